#include "project/ProjectFile.h"

#include "core/ProgramInfo.h"
#include "core/RegularFile.h"
#include "decoding/ImagingDecoder.h"
#include "drawing/DrawingFormat.h"
#include "picture/DrawnPicture.h"
#include "project/ProjectZip.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString DocumentEntry = QStringLiteral("project.json");
const QString PictureEntry = QStringLiteral("picture.png");
const QString MetafileEntry = QStringLiteral("picture.wmf");
const QString DrawingEntry = QStringLiteral("drawing.bin");
const QString VectorsEntry = QStringLiteral("vectors.bin");

// The PNG of the largest picture, stored without filtering gains: its pixels, a filter byte a
// row and the zlib blocks' own bytes.
constexpr qint64 MostPictureBytes = MostPicturePixels * 4 + 16LL * 1024 * 1024;
constexpr qint64 MostMetafileBytes = 64LL * 1024 * 1024;
constexpr int TileSide = DrawnPicture::TileSize;
constexpr qint64 TileBytes = qint64{TileSide} * TileSide * 4;

constexpr int InvalidProject = 321;
constexpr int Colors = 0xFFFFFF;
constexpr int NoLeast = std::numeric_limits<std::int32_t>::min();

struct NumberSetting {
    const char* key;
    std::int32_t Settings::*member;
    int least;
    int most;
};

constexpr NumberSetting NumberSettings[] = {
    {"ARColorTolerance", &Settings::ARColorTolerance, 0, HighestTolerance},
    {"DotSize", &Settings::DotSize, NoLeast, LargestDotSize},
    {"SplinePoints", &Settings::SplinePoints, NoLeast, MostSplinePoints},
    {"GridCols", &Settings::GridCols, NoLeast, MostGridSteps},
    {"GridRows", &Settings::GridRows, NoLeast, MostGridSteps},
};

// Colours are kept as their packed numbers, red + 256 green + 65536 blue.
struct ColorSetting {
    const char* key;
    PackedColor Settings::*member;
};

constexpr ColorSetting ColorSettings[] = {
    {"SplineColor", &Settings::SplineColor},   {"ARDataColor", &Settings::ARDataColor},
    {"ARPointColor", &Settings::ARPointColor}, {"ScaleColor", &Settings::ScaleColor},
    {"PointsColor", &Settings::PointsColor},   {"ZoomLineColor", &Settings::ZoomLineColor},
};

struct FlagSetting {
    const char* key;
    bool Settings::*member;
};

constexpr FlagSetting FlagSettings[] = {{"SplineOnX", &Settings::SplineOnX},
                                        {"XLog", &Settings::XLog},
                                        {"YLog", &Settings::YLog},
                                        {"EscUndo", &Settings::EscUndo}};

struct CalibrationField {
    const char* key;
    double CalibrationRecord::*member;
};

constexpr CalibrationField CalibrationFields[] = {
    {"X1", &CalibrationRecord::X1},       {"X2", &CalibrationRecord::X2},
    {"Y1", &CalibrationRecord::Y1},       {"Y2", &CalibrationRecord::Y2},
    {"XPos1", &CalibrationRecord::XPos1}, {"XPos2", &CalibrationRecord::XPos2},
    {"YPos1", &CalibrationRecord::YPos1}, {"YPos2", &CalibrationRecord::YPos2},
    {"LeftX", &CalibrationRecord::LeftX}, {"RightX", &CalibrationRecord::RightX},
    {"TopY", &CalibrationRecord::TopY},   {"BottomY", &CalibrationRecord::BottomY},
};

struct PictureKind {
    PictureType type;
    const char* name;
};

constexpr PictureKind PictureKinds[] = {
    {PictureType::None, "none"},         {PictureType::Bitmap, "bitmap"},
    {PictureType::Metafile, "metafile"}, {PictureType::Icon, "icon"},
    {PictureType::PdfPage, "pdf-page"},  {PictureType::SvgDrawing, "svg-drawing"}};

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

QString ExactText(double value) {
    // Qt drops the sign of a negative zero.
    return value == 0 && std::signbit(value) ? QStringLiteral("-0")
                                             : QString::number(value, 'g', 17);
}

QJsonObject PictureObject(const Project& project) {
    QJsonObject picture;
    for (const PictureKind& kind : PictureKinds) {
        if (kind.type == project.pictureType) {
            picture[QStringLiteral("type")] = Key(kind.name);
        }
    }
    return picture;
}

QJsonDocument Document(const Project& project) {
    QJsonObject calibration;
    for (const CalibrationField& field : CalibrationFields) {
        // As text: seventeen digits read back to the same double, negative zero included.
        calibration[Key(field.key)] = ExactText(project.calibration.*field.member);
    }
    QJsonArray moreReferences;
    for (const ExtraReference& point : project.moreReferences) {
        moreReferences.append(QJsonObject{{QStringLiteral("XPos"), ExactText(point.XPos)},
                                          {QStringLiteral("YPos"), ExactText(point.YPos)},
                                          {QStringLiteral("X"), ExactText(point.X)},
                                          {QStringLiteral("Y"), ExactText(point.Y)}});
    }
    calibration[QStringLiteral("moreReferences")] = moreReferences;
    calibration[QStringLiteral("fitted")] = project.fitted;
    QJsonObject settings;
    for (const ColorSetting& setting : ColorSettings) {
        settings[Key(setting.key)] = (project.settings.*setting.member).Packed();
    }
    for (const NumberSetting& setting : NumberSettings) {
        settings[Key(setting.key)] = project.settings.*setting.member;
    }
    for (const FlagSetting& setting : FlagSettings) {
        settings[Key(setting.key)] = project.settings.*setting.member;
    }
    settings[QStringLiteral("PointerIndex")] = project.settings.PointerIndex;
    settings[QStringLiteral("SnapClicks")] = project.settings.SnapClicks;
    settings[QStringLiteral("SnapTolerance")] = project.settings.SnapTolerance;
    settings[QStringLiteral("AutoReadCentreLine")] = project.settings.AutoReadCentreLine;
    settings[QStringLiteral("ReferenceFit")] = project.settings.ReferenceFit;
    settings[QStringLiteral("CalibrationGridColor")] =
        project.settings.CalibrationGridColor.Packed();
    QJsonArray curves;
    for (const ProjectCurve& curve : project.curves) {
        QJsonArray rows;
        for (const DataTable::Row& row : curve.rows) {
            rows.append(QJsonArray{row[0], row[1], row[2]});
        }
        curves.append(QJsonObject{{QStringLiteral("name"), curve.name},
                                  {QStringLiteral("color"),
                                   curve.color ? QJsonValue(curve.color->Packed()) : QJsonValue()},
                                  {QStringLiteral("shown"), curve.shown},
                                  {QStringLiteral("headerFrozen"), curve.headerFrozen},
                                  {QStringLiteral("rows"), rows}});
    }
    QJsonArray status;
    for (const QString& text : project.statusTexts) {
        status.append(text);
    }
    QJsonArray tiles;
    for (const int tile : project.drawnTiles) {
        tiles.append(tile);
    }
    return QJsonDocument(QJsonObject{
        {QStringLiteral("format"), ProjectFormat},
        {QStringLiteral("program"), ProgramInfo::Title + QLatin1Char(' ') + VersionText()},
        {QStringLiteral("picture"), PictureObject(project)},
        {QStringLiteral("calibration"), calibration},
        {QStringLiteral("settings"), settings},
        {QStringLiteral("dataFile"), QJsonObject{{QStringLiteral("name"), project.dataFileName},
                                                 {QStringLiteral("layout"), project.dataFileType}}},
        {QStringLiteral("status"), status},
        {QStringLiteral("curves"), curves},
        {QStringLiteral("currentCurve"), project.currentCurve},
        {QStringLiteral("drawing"), tiles},
    });
}

QByteArray PngBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture)) {
        throw AppError{InvalidProject,
                       QStringLiteral("The picture cannot be kept in the project: ") +
                           writer.errorString(),
                       {}};
    }
    return bytes;
}

// Reads the document's fields, naming the first one that is missing or wrong.
class DocumentReader {
public:
    explicit DocumentReader(const QString& path) : m_path(path) {}

    [[noreturn]] void Refuse(const QString& reason) const {
        throw InvalidProjectError(m_path, reason);
    }

    QJsonObject Object(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        if (!value.isObject()) {
            Refuse(QStringLiteral("\"%1\" is missing or not an object").arg(Key(key)));
        }
        return value.toObject();
    }
    QJsonArray Array(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        if (!value.isArray()) {
            Refuse(QStringLiteral("\"%1\" is missing or not a list").arg(Key(key)));
        }
        return value.toArray();
    }
    QString Text(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        if (!value.isString()) {
            Refuse(QStringLiteral("\"%1\" is missing or not a text").arg(Key(key)));
        }
        return Bounded(value.toString(), QStringLiteral("\"%1\"").arg(Key(key)));
    }
    QString Bounded(const QString& text, const QString& what) const {
        if (text.size() > MostProjectTextChars) {
            Refuse(QStringLiteral("%1 is longer than the %2 characters a project may hold")
                       .arg(what)
                       .arg(MostProjectTextChars));
        }
        return text;
    }
    bool Flag(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        if (!value.isBool()) {
            Refuse(QStringLiteral("\"%1\" is missing or not true or false").arg(Key(key)));
        }
        return value.toBool();
    }
    // A number written as text, exactly.
    double Exact(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        bool number = false;
        const double exact = value.toString().toDouble(&number);
        if (!value.isString() || !number || !std::isfinite(exact)) {
            Refuse(QStringLiteral("\"%1\" is missing or not a number").arg(Key(key)));
        }
        return exact;
    }
    double Number(const QJsonObject& in, const char* key) const {
        const QJsonValue value = in.value(Key(key));
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            Refuse(QStringLiteral("\"%1\" is missing or not a number").arg(Key(key)));
        }
        return value.toDouble();
    }
    int Whole(const QJsonObject& in, const char* key, double least, double most) const {
        const double value = Number(in, key);
        if (value != std::floor(value) || value < least || value > most) {
            Refuse(QStringLiteral("\"%1\" is not a whole number from %2 to %3")
                       .arg(Key(key))
                       .arg(least, 0, 'f', 0)
                       .arg(most, 0, 'f', 0));
        }
        return static_cast<int>(value);
    }

private:
    QString m_path;
};

void ReadPicture(const DocumentReader& read, const QJsonObject& root, Project& project) {
    const QJsonObject picture = read.Object(root, "picture");
    const QString type = read.Text(picture, "type");
    bool known = false;
    for (const PictureKind& kind : PictureKinds) {
        if (type == Key(kind.name)) {
            project.pictureType = kind.type;
            known = true;
        }
    }
    if (!known) {
        read.Refuse(QStringLiteral("the picture's type \"%1\" is unknown").arg(type));
    }
}

void ReadSettings(const DocumentReader& read, const QJsonObject& root, Project& project) {
    const QJsonObject settings = read.Object(root, "settings");
    for (const ColorSetting& setting : ColorSettings) {
        project.settings.*setting.member =
            PackedColor::FromPacked(read.Whole(settings, setting.key, 0, Colors));
    }
    for (const NumberSetting& setting : NumberSettings) {
        project.settings.*setting.member =
            read.Whole(settings, setting.key, setting.least, setting.most);
    }
    for (const FlagSetting& setting : FlagSettings) {
        project.settings.*setting.member = read.Flag(settings, setting.key);
    }
    project.settings.PointerIndex =
        static_cast<std::int16_t>(read.Whole(settings, "PointerIndex", 1, PointerImageCount));
    // Options that came after the first projects: absent means as they were then.
    if (settings.contains(QStringLiteral("SnapClicks"))) {
        project.settings.SnapClicks = read.Flag(settings, "SnapClicks");
        project.settings.SnapTolerance =
            read.Whole(settings, "SnapTolerance", 0, HighestSnapTolerance);
        project.settings.AutoReadCentreLine = read.Flag(settings, "AutoReadCentreLine");
    }
    if (settings.contains(QStringLiteral("ReferenceFit"))) {
        project.settings.ReferenceFit = read.Whole(settings, "ReferenceFit", 0, 2);
    }
    if (settings.contains(QStringLiteral("CalibrationGridColor"))) {
        project.settings.CalibrationGridColor =
            PackedColor::FromPacked(read.Whole(settings, "CalibrationGridColor", 0, Colors));
    }
}

// A table's rows; `rowsLeft` is what the project may still hold, of all its tables.
std::vector<DataTable::Row> ReadRows(const DocumentReader& read, const QJsonObject& table,
                                     const QString& which, qsizetype& rowsLeft) {
    const QJsonArray rows = read.Array(table, "rows");
    if (rows.isEmpty()) {
        read.Refuse(QStringLiteral("%1 has no header row").arg(which));
    }
    if (rows.size() > rowsLeft) {
        read.Refuse(rowsLeft == MostProjectRows
                        ? QStringLiteral("the table has %1 rows; a project holds at most %2")
                              .arg(rows.size())
                              .arg(MostProjectRows)
                        : QStringLiteral("the tables have more than the %1 rows a project holds")
                              .arg(MostProjectRows));
    }
    // Every table has its header; the limit counts the points and one header.
    rowsLeft -= rows.size() - 1;
    std::vector<DataTable::Row> result;
    result.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype at = 0; at < rows.size(); ++at) {
        const QJsonArray cells = rows[at].toArray();
        if (!rows[at].isArray() || cells.size() != DataTable::ColumnCount || !cells[0].isString() ||
            !cells[1].isString() || !cells[2].isString()) {
            read.Refuse(QStringLiteral("row %1 of %2 is not three texts").arg(at).arg(which));
        }
        DataTable::Row row;
        for (std::size_t column = 0; column < row.size(); ++column) {
            row[column] = cells[static_cast<qsizetype>(column)].toString();
            // The reason is written only for a cell that has one: a million rows are read.
            if (row[column].size() > MostProjectTextChars) {
                read.Bounded(row[column], QStringLiteral("a cell of row %1").arg(at));
            }
        }
        result.push_back(std::move(row));
    }
    return result;
}

// Format 1: one table, which becomes the one curve.
void ReadTable(const DocumentReader& read, const QJsonObject& root, Project& project) {
    const QJsonObject table = read.Object(root, "table");
    ProjectCurve curve;
    curve.headerFrozen = read.Flag(table, "headerFrozen");
    qsizetype rowsLeft = MostProjectRows;
    curve.rows = ReadRows(read, table, QStringLiteral("the table"), rowsLeft);
    project.curves = {std::move(curve)};
    project.currentCurve = 0;
}

void ReadCurves(const DocumentReader& read, const QJsonObject& root, Project& project) {
    const QJsonArray curves = read.Array(root, "curves");
    if (curves.isEmpty() || curves.size() > MostCurves) {
        read.Refuse(QStringLiteral("it has %1 curves; a project holds 1 to %2")
                        .arg(curves.size())
                        .arg(MostCurves));
    }
    project.curves.clear();
    qsizetype rowsLeft = MostProjectRows;
    QSet<QString> names;
    for (qsizetype at = 0; at < curves.size(); ++at) {
        if (!curves[at].isObject()) {
            read.Refuse(QStringLiteral("curve %1 is not an object").arg(at + 1));
        }
        const QJsonObject object = curves[at].toObject();
        ProjectCurve curve;
        curve.name = read.Bounded(read.Text(object, "name"), QStringLiteral("a curve's name"));
        if (curve.name.trimmed().isEmpty() || curve.name != curve.name.trimmed()) {
            read.Refuse(QStringLiteral("curve %1 has no name of its own").arg(at + 1));
        }
        if (names.contains(curve.name.toCaseFolded())) {
            read.Refuse(QStringLiteral("two curves are named \"%1\"").arg(curve.name));
        }
        names.insert(curve.name.toCaseFolded());
        const QJsonValue color = object.value(QStringLiteral("color"));
        if (!color.isNull()) {
            curve.color = PackedColor::FromPacked(read.Whole(object, "color", 0, Colors));
        }
        curve.shown = read.Flag(object, "shown");
        curve.headerFrozen = read.Flag(object, "headerFrozen");
        curve.rows =
            ReadRows(read, object, QStringLiteral("the table of curve %1").arg(at + 1), rowsLeft);
        project.curves.push_back(std::move(curve));
    }
    project.currentCurve =
        read.Whole(root, "currentCurve", 0, static_cast<int>(project.curves.size()) - 1);
}

// The picture's size as its PNG header states it, read here without decoding anything: the
// pixels themselves are decoded in the decoder process.
QSize PngSize(const QByteArray& png) {
    constexpr qsizetype HeaderEnd = 24;
    if (png.size() < HeaderEnd || !png.startsWith("\x89PNG\r\n\x1a\n") ||
        png.mid(12, 4) != "IHDR") {
        return {};
    }
    const auto word = [&](qsizetype at) {
        return qFromBigEndian<quint32>(png.constData() + at);
    };
    const quint32 width = word(16);
    const quint32 height = word(20);
    if (width == 0 || height == 0 || width > 0x7fffffffu || height > 0x7fffffffu) {
        return {};
    }
    return {static_cast<int>(width), static_cast<int>(height)};
}

void ReadDrawing(const DocumentReader& read, const QJsonObject& root, const ZipReader& zip,
                 QSize picture, Project& project) {
    const QJsonArray tiles = read.Array(root, "drawing");
    if (tiles.isEmpty()) {
        return;
    }
    // Tiles are numbered row by row over the picture; each is drawn at most once.
    const qint64 across = (qint64{picture.width()} + TileSide - 1) / TileSide;
    const qint64 down = (qint64{picture.height()} + TileSide - 1) / TileSide;
    const qint64 tileCount = across * down;
    if (tiles.size() > tileCount) {
        read.Refuse(QStringLiteral("the drawing lists %1 tiles; its picture has %2")
                        .arg(tiles.size())
                        .arg(tileCount));
    }
    std::vector<bool> listed(static_cast<std::size_t>(tileCount), false);
    project.drawnTiles.reserve(static_cast<std::size_t>(tiles.size()));
    for (const QJsonValue& tile : tiles) {
        const double index = tile.toDouble(-1);
        if (!tile.isDouble() || index != std::floor(index) || index < 0 ||
            index >= static_cast<double>(tileCount)) {
            read.Refuse(QStringLiteral("the drawing's tile numbers are not whole numbers from 0 "
                                       "to %1")
                            .arg(tileCount - 1));
        }
        const auto number = static_cast<std::size_t>(index);
        if (listed[number]) {
            read.Refuse(QStringLiteral("the drawing lists tile %1 twice").arg(number));
        }
        listed[number] = true;
        project.drawnTiles.push_back(static_cast<int>(number));
    }
    ZipReader::Problem problem = ZipReader::Problem::None;
    const qint64 expected = TileBytes * static_cast<qint64>(tiles.size());
    const std::optional<QByteArray> pixels = zip.Read(DrawingEntry, expected, problem);
    if (!pixels || pixels->size() != expected) {
        read.Refuse(QStringLiteral("the drawing does not match its tiles"));
    }
    project.drawnStrip =
        QImage(TileSide, TileSide * static_cast<int>(tiles.size()), QImage::Format_RGB32);
    if (project.drawnStrip.isNull()) {
        read.Refuse(QStringLiteral("the drawing needs more memory than a project may take"));
    }
    std::memcpy(project.drawnStrip.bits(), pixels->constData(),
                static_cast<std::size_t>(pixels->size()));
}

// The most tiles a drawing can have: a picture of W x H pixels has at most
// WH / 32² + (W + H) / 32 + 1 of them, and W + H is at most the largest picture's pixels and one.
constexpr qint64 MostDrawingTiles =
    MostPicturePixels / (TileSide * TileSide) + (MostPicturePixels + 1) / TileSide + 1;

// Counts the lists, objects and values of a JSON text, outside its strings, and measures its
// strings, before it is parsed: the parser's memory follows them, and a short text of empty
// lists ("[],[],...") would cost gigabytes. Refuses a document with more than a project's table
// and drawing hold, or a text longer than a project holds (in the longest way JSON may write
// it, six bytes a character).
void CheckDocumentShape(const DocumentReader& read, const QByteArray& json) {
    constexpr qint64 MostTextBytes = 6 * qint64{MostProjectTextChars};
    qint64 lists = 0;
    qint64 objects = 0;
    qint64 commas = 0;
    qint64 textBytes = 0;
    bool inText = false;
    bool escaped = false;
    for (const char c : json) {
        if (inText) {
            if (++textBytes > MostTextBytes) {
                read.Refuse(QStringLiteral("project.json holds a text longer than the %1 "
                                           "characters a project may hold")
                                .arg(MostProjectTextChars));
            }
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inText = false;
            }
            continue;
        }
        switch (c) {
        case '"':
            inText = true;
            textBytes = 0;
            break;
        case '[':
            ++lists;
            break;
        case '{':
            ++objects;
            break;
        case ',':
            ++commas;
            break;
        default:
            break;
        }
    }
    // The tables' rows (a header each), their lists, and the lists of the curves, the status
    // texts, the reference points and the drawing; the root, its objects, the curves' and the
    // reference points'; three values a row, six fields a curve, four a reference point and one
    // value a tile, with room for the fields.
    constexpr qint64 Room = 64;
    constexpr qint64 MostRows = qint64{MostProjectRows} + MostCurves;
    if (lists > MostRows + MostCurves + 5 ||
        objects > 6 + MostCurves + MostReferencePoints + Room ||
        commas > 3 * MostRows + 6 * qint64{MostCurves} + 4 * qint64{MostReferencePoints} +
                     MostDrawingTiles + Room) {
        read.Refuse(QStringLiteral("project.json holds more lists or values than a table of %1 "
                                   "rows and a drawing can have")
                        .arg(MostProjectRows));
    }
}

QByteArray ReadEntry(const DocumentReader& read, const ZipReader& zip, const QString& name,
                     qint64 mostBytes) {
    if (!zip.Has(name)) {
        read.Refuse(QStringLiteral("it has no %1").arg(name));
    }
    ZipReader::Problem problem = ZipReader::Problem::None;
    const std::optional<QByteArray> bytes = zip.Read(name, mostBytes, problem);
    if (!bytes) {
        read.Refuse(problem == ZipReader::Problem::TooLarge
                        ? QStringLiteral("%1 is larger than a project may hold").arg(name)
                        : QStringLiteral("%1 is damaged").arg(name));
    }
    return *bytes;
}

} // namespace

AppError InvalidProjectError(const QString& path, const QString& reason) {
    return {InvalidProject,
            QStringLiteral("Invalid project: ") + QDir::toNativeSeparators(path) +
                QStringLiteral(" (") + reason + QLatin1Char(')'),
            {}};
}

bool LooksLikeProject(const QByteArray& head) {
    return head.startsWith("PK\x03\x04");
}

bool IsProjectFile(const QString& path) {
    QFile file;
    return OpenRegularFile(file, path) && LooksLikeProject(file.read(4));
}

QByteArray ProjectDocument(const Project& project) {
    return Document(project).toJson(QJsonDocument::Compact);
}

namespace {

[[noreturn]] void RefuseToKeep(const QString& reason) {
    throw AppError{
        InvalidProject, QStringLiteral("The session cannot be kept in a project: ") + reason, {}};
}

// A project the program writes is one it can open again. Checked before the document is
// written, which a table too long to keep would make slow.
void CheckKeepable(const Project& project) {
    std::size_t points = 0;
    for (const ProjectCurve& curve : project.curves) {
        points += curve.rows.empty() ? 0 : curve.rows.size() - 1;
    }
    if (points > static_cast<std::size_t>(MostProjectRows - 1)) {
        RefuseToKeep(QStringLiteral("the table has %1 points; a project holds at most %2")
                         .arg(points)
                         .arg(MostProjectRows - 1));
    }
    if (project.curves.empty() || project.curves.size() > static_cast<std::size_t>(MostCurves)) {
        RefuseToKeep(QStringLiteral("it has %1 curves; a project holds 1 to %2")
                         .arg(project.curves.size())
                         .arg(MostCurves));
    }
    const auto tooLong = [](const QString& text) {
        return text.size() > MostProjectTextChars;
    };
    const bool longCell =
        std::any_of(project.curves.begin(), project.curves.end(), [&](const ProjectCurve& curve) {
            return tooLong(curve.name) ||
                   std::any_of(curve.rows.begin(), curve.rows.end(), [&](const auto& row) {
                       return std::any_of(row.begin(), row.end(), tooLong);
                   });
        });
    if (longCell || tooLong(project.dataFileName) ||
        std::any_of(project.statusTexts.begin(), project.statusTexts.end(), tooLong)) {
        RefuseToKeep(QStringLiteral("a text is longer than the %1 characters a project may hold")
                         .arg(MostProjectTextChars));
    }
}

} // namespace

QByteArray ProjectBytes(const Project& project) {
    CheckKeepable(project);
    const QByteArray document = ProjectDocument(project);
    if (document.size() > MostProjectDocumentBytes) {
        RefuseToKeep(QStringLiteral("its table takes more than the %1 MB a project may hold")
                         .arg(MostProjectDocumentBytes / (1024 * 1024)));
    }
    std::vector<ZipEntry> entries{{DocumentEntry, document, true}};
    if (project.pictureType != PictureType::None && !project.picture.isNull()) {
        entries.push_back({PictureEntry, PngBytes(project.picture), false});
    }
    if (project.pictureType == PictureType::Metafile && !project.metafileBytes.isEmpty()) {
        entries.push_back({MetafileEntry, project.metafileBytes, true});
    }
    if (IsRenderedDrawing(project.pictureType) && project.vectors) {
        entries.push_back({VectorsEntry, DrawingBytes(*project.vectors), true});
    }
    if (!project.drawnTiles.empty()) {
        const QImage strip = project.drawnStrip.convertToFormat(QImage::Format_RGB32);
        entries.push_back({DrawingEntry,
                           QByteArray(reinterpret_cast<const char*>(strip.constBits()),
                                      static_cast<qsizetype>(strip.sizeInBytes())),
                           true});
    }
    QByteArray bytes = ZipContainer(entries);
    if (bytes.isEmpty()) {
        throw AppError{ErrorNumber::OutOfMemory,
                       QStringLiteral("Out of memory: the project cannot be put together"),
                       {}};
    }
    return bytes;
}

ReadProject ReadProjectBytes(const QByteArray& bytes, const QString& path) {
    const DocumentReader read(path);
    const ZipReader zip(bytes);
    if (!zip.IsOpen()) {
        read.Refuse(QStringLiteral("it is not a Kurvex project"));
    }
    QJsonParseError parseError{};
    const QByteArray json = ReadEntry(read, zip, DocumentEntry, MostProjectDocumentBytes);
    CheckDocumentShape(read, json);
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        read.Refuse(QStringLiteral("%1 is not a JSON object").arg(DocumentEntry));
    }
    const QJsonObject root = document.object();
    const int format = read.Whole(root, "format", 1, 1e9);
    if (format > ProjectFormat) {
        read.Refuse(QStringLiteral("it was made by a newer Kurvex (project format %1; this "
                                   "version reads format %2)")
                        .arg(format)
                        .arg(ProjectFormat));
    }
    ReadProject result;
    Project& project = result.project;
    ReadPicture(read, root, project);
    const QJsonObject calibration = read.Object(root, "calibration");
    for (const CalibrationField& field : CalibrationFields) {
        project.calibration.*field.member = read.Exact(calibration, field.key);
    }
    if (format >= 3) {
        const QJsonArray more = read.Array(calibration, "moreReferences");
        if (more.size() > MostReferencePoints - 2) {
            read.Refuse(QStringLiteral("it has %1 reference points; a calibration takes at most %2")
                            .arg(more.size() + 2)
                            .arg(MostReferencePoints));
        }
        for (const QJsonValue& value : more) {
            if (!value.isObject()) {
                read.Refuse(QStringLiteral("a reference point is not an object"));
            }
            const QJsonObject point = value.toObject();
            project.moreReferences.push_back({read.Exact(point, "XPos"), read.Exact(point, "YPos"),
                                              read.Exact(point, "X"), read.Exact(point, "Y")});
        }
        project.fitted = read.Flag(calibration, "fitted") && !project.moreReferences.empty();
    }
    ReadSettings(read, root, project);
    const QJsonObject dataFile = read.Object(root, "dataFile");
    project.dataFileName = read.Text(dataFile, "name");
    project.dataFileType = read.Whole(dataFile, "layout", 1, 3);
    const QJsonArray status = read.Array(root, "status");
    if (status.size() != static_cast<qsizetype>(project.statusTexts.size())) {
        read.Refuse(QStringLiteral("\"status\" does not hold four texts"));
    }
    for (std::size_t at = 0; at < project.statusTexts.size(); ++at) {
        const QJsonValue text = status[static_cast<qsizetype>(at)];
        if (!text.isString()) {
            read.Refuse(QStringLiteral("\"status\" does not hold four texts"));
        }
        project.statusTexts[at] = read.Bounded(text.toString(), QStringLiteral("a status text"));
    }
    if (format == 1) {
        ReadTable(read, root, project);
    } else {
        ReadCurves(read, root, project);
    }
    QSize picture;
    if (project.pictureType != PictureType::None) {
        result.picturePng = ReadEntry(read, zip, PictureEntry, MostPictureBytes);
        picture = PngSize(result.picturePng);
        if (picture.isEmpty()) {
            read.Refuse(QStringLiteral("%1 is not a PNG picture").arg(PictureEntry));
        }
        if (const QString tooLarge = TooLargeReason(picture); !tooLarge.isEmpty()) {
            read.Refuse(tooLarge);
        }
    }
    if (project.pictureType == PictureType::Metafile && zip.Has(MetafileEntry)) {
        project.metafileBytes = ReadEntry(read, zip, MetafileEntry, MostMetafileBytes);
    }
    if (IsRenderedDrawing(project.pictureType) && zip.Has(VectorsEntry)) {
        std::optional<VectorDrawing> vectors =
            ReadDrawingBytes(ReadEntry(read, zip, VectorsEntry, MostDrawingBytes()));
        if (!vectors) {
            read.Refuse(QStringLiteral("%1 is damaged").arg(VectorsEntry));
        }
        project.vectors = std::make_shared<const VectorDrawing>(std::move(*vectors));
    }
    ReadDrawing(read, root, zip, picture, project);
    return result;
}
