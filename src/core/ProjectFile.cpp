#include "core/ProjectFile.h"

#include "core/ProjectZip.h"
#include "document/PointerImages.h"
#include "info/ProgramInfo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

const QString DocumentEntry = QStringLiteral("project.json");
const QString PictureEntry = QStringLiteral("picture.png");
const QString MetafileEntry = QStringLiteral("picture.wmf");
const QString DrawingEntry = QStringLiteral("drawing.bin");

// Far above what a session holds (a million rows are about 60 MB of text, a 64-megapixel
// picture a few hundred MB of PNG), far below what would exhaust a desktop.
constexpr qint64 MostDocumentBytes = 512LL * 1024 * 1024;
constexpr qint64 MostPictureBytes = 1024LL * 1024 * 1024;
constexpr qint64 MostMetafileBytes = 64LL * 1024 * 1024;
constexpr qint64 TileBytes = 32LL * 32 * 4;

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
    {"SplineColor", &Settings::SplineColor, 0, Colors},
    {"ARDataColor", &Settings::ARDataColor, 0, Colors},
    {"ARColorTolerance", &Settings::ARColorTolerance, 0, HighestTolerance},
    {"ARPointColor", &Settings::ARPointColor, 0, Colors},
    {"ScaleColor", &Settings::ScaleColor, 0, Colors},
    {"PointsColor", &Settings::PointsColor, 0, Colors},
    {"ZoomLineColor", &Settings::ZoomLineColor, 0, Colors},
    {"DotSize", &Settings::DotSize, NoLeast, LargestDotSize},
    {"SplinePoints", &Settings::SplinePoints, NoLeast, MostSplinePoints},
    {"GridCols", &Settings::GridCols, NoLeast, MostGridSteps},
    {"GridRows", &Settings::GridRows, NoLeast, MostGridSteps},
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

constexpr PictureKind PictureKinds[] = {{PictureType::None, "none"},
                                        {PictureType::Bitmap, "bitmap"},
                                        {PictureType::Metafile, "metafile"},
                                        {PictureType::Icon, "icon"},
                                        {PictureType::PdfPage, "pdf-page"}};

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
    QJsonObject settings;
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
    QJsonArray rows;
    for (const DataTable::Row& row : project.rows) {
        rows.append(QJsonArray{row[0], row[1], row[2]});
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
        {QStringLiteral("table"),
         QJsonObject{{QStringLiteral("headerFrozen"), project.headerFrozen},
                     {QStringLiteral("rows"), rows}}},
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
        return value.toString();
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
}

void ReadTable(const DocumentReader& read, const QJsonObject& root, Project& project) {
    const QJsonObject table = read.Object(root, "table");
    project.headerFrozen = read.Flag(table, "headerFrozen");
    const QJsonArray rows = read.Array(table, "rows");
    if (rows.isEmpty()) {
        read.Refuse(QStringLiteral("the table has no header row"));
    }
    project.rows.reserve(static_cast<std::size_t>(rows.size()));
    for (qsizetype at = 0; at < rows.size(); ++at) {
        const QJsonArray cells = rows[at].toArray();
        if (!rows[at].isArray() || cells.size() != DataTable::ColumnCount || !cells[0].isString() ||
            !cells[1].isString() || !cells[2].isString()) {
            read.Refuse(QStringLiteral("row %1 of the table is not three texts").arg(at));
        }
        project.rows.push_back({cells[0].toString(), cells[1].toString(), cells[2].toString()});
    }
}

void ReadDrawing(const DocumentReader& read, const QJsonObject& root, const ZipReader& zip,
                 Project& project) {
    const QJsonArray tiles = read.Array(root, "drawing");
    if (tiles.isEmpty()) {
        return;
    }
    for (const QJsonValue& tile : tiles) {
        const double index = tile.toDouble(-1);
        if (!tile.isDouble() || index != std::floor(index) || index < 0 || index > 1e8) {
            read.Refuse(QStringLiteral("the drawing's tile numbers are not whole numbers"));
        }
        project.drawnTiles.push_back(static_cast<int>(index));
    }
    ZipReader::Problem problem = ZipReader::Problem::None;
    const qint64 expected = TileBytes * static_cast<qint64>(tiles.size());
    const std::optional<QByteArray> pixels = zip.Read(DrawingEntry, expected, problem);
    if (!pixels || pixels->size() != expected) {
        read.Refuse(QStringLiteral("the drawing does not match its tiles"));
    }
    project.drawnStrip = QImage(32, 32 * static_cast<int>(tiles.size()), QImage::Format_RGB32);
    if (project.drawnStrip.isNull()) {
        read.Refuse(QStringLiteral("the drawing needs more memory than a project may take"));
    }
    std::memcpy(project.drawnStrip.bits(), pixels->constData(),
                static_cast<std::size_t>(pixels->size()));
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
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && LooksLikeProject(file.read(4));
}

QByteArray ProjectDocument(const Project& project) {
    return Document(project).toJson(QJsonDocument::Compact);
}

QByteArray ProjectBytes(const Project& project) {
    std::vector<ZipEntry> entries{{DocumentEntry, ProjectDocument(project), true}};
    if (project.pictureType != PictureType::None && !project.picture.isNull()) {
        entries.push_back({PictureEntry, PngBytes(project.picture), false});
    }
    if (project.pictureType == PictureType::Metafile && !project.metafileBytes.isEmpty()) {
        entries.push_back({MetafileEntry, project.metafileBytes, true});
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
    const QJsonDocument document = QJsonDocument::fromJson(
        ReadEntry(read, zip, DocumentEntry, MostDocumentBytes), &parseError);
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
        project.statusTexts[at] = text.toString();
    }
    ReadTable(read, root, project);
    if (project.pictureType != PictureType::None) {
        result.picturePng = ReadEntry(read, zip, PictureEntry, MostPictureBytes);
    }
    if (project.pictureType == PictureType::Metafile && zip.Has(MetafileEntry)) {
        project.metafileBytes = ReadEntry(read, zip, MetafileEntry, MostMetafileBytes);
    }
    ReadDrawing(read, root, zip, project);
    return result;
}
