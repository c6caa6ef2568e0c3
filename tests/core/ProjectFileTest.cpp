#include "project/ProjectFile.h"
#include "drawing/DrawingFormat.h"
#include "picture/DrawnPicture.h"
#include "project/ProjectZip.h"
#include "project/RecentProjects.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

const QString Name = QStringLiteral("/work/figure.kurvexproj");

Project Sample() {
    Project project;
    project.pictureType = PictureType::Metafile;
    project.picture = QImage(70, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 70; ++x) {
            project.picture.setPixel(x, y, qRgb(x * 3, y * 5, (x * y) % 256));
        }
    }
    project.metafileBytes = QByteArray("\xD7\xCD\xC6\x9A metafile", 14);
    DrawnPicture drawing;
    drawing.SetPicture(project.picture);
    drawing.SetDrawWidth(3);
    drawing.Dot(1, 9, PackedRgb(255, 0, 0));
    drawing.Dot(8, 2, PackedRgb(0, 255, 0));
    project.drawnStrip = drawing.TileStrip(project.drawnTiles);
    // Values that print with many digits, and the mark of an unset reference.
    project.calibration = {Unset, 0.1 + 0.2, 1e-300,          -5.5,          1.0 / 3, 2,
                           7.25,  8,         std::log10(2.0), 123456789.123, -0.0,    4.9e-324};
    project.settings.XLog = true;
    project.settings.EscUndo = false;
    project.settings.SplineOnX = false;
    project.settings.DotSize = 7;
    project.settings.PointerIndex = 4;
    project.settings.ARColorTolerance = 510;
    project.settings.GridCols = -3;
    project.settings.ZoomLineColor = PackedRgb(255, 255, 255);
    project.settings.SnapClicks = true;
    project.settings.SnapTolerance = 765;
    project.settings.AutoReadCentreLine = true;
    project.settings.ReferenceFit = 2;
    project.moreReferences = {{0.1, 9.9, 1e-300, -0.0}, {5, 5, 1.0 / 3, 123456789.123}};
    project.fitted = true;
    project.dataFileName = QStringLiteral("/data/punkte ä.dat");
    project.dataFileType = 3;
    project.statusTexts = {QStringLiteral("/data/punkte ä.dat"), QStringLiteral("fig.wmf"),
                           QStringLiteral("1.5"), QStringLiteral("-2.25E-03")};
    project.curves.front().rows = {
        DataTable::HeaderRow,
        {QStringLiteral(" 1"), QStringLiteral(" 3.25E+02"), QStringLiteral("1,5")},
        {QStringLiteral("2"), QString(), QStringLiteral("  x\"y\\z\t")}};
    project.curves.front().headerFrozen = true;
    return project;
}

AppError RefusalOf(const QByteArray& bytes) {
    try {
        ReadProjectBytes(bytes, Name);
    } catch (const AppError& error) {
        return error;
    }
    ADD_FAILURE() << "read";
    return {};
}

// The sample's container with its document changed by `edit`, other entries as they are.
QByteArray WithDocument(const std::function<void(QJsonObject&)>& edit, bool keepPicture = true,
                        const std::vector<ZipEntry>& more = {}) {
    const Project project = Sample();
    QJsonObject root = QJsonDocument::fromJson(ProjectDocument(project)).object();
    edit(root);
    std::vector<ZipEntry> entries{{QStringLiteral("project.json"), QJsonDocument(root).toJson()}};
    if (keepPicture) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        project.picture.save(&buffer, "png");
        entries.push_back({QStringLiteral("picture.png"), png, false});
    }
    const QImage& strip = project.drawnStrip;
    entries.push_back(
        {QStringLiteral("drawing.bin"), QByteArray(reinterpret_cast<const char*>(strip.constBits()),
                                                   static_cast<qsizetype>(strip.sizeInBytes()))});
    entries.insert(entries.end(), more.begin(), more.end());
    return ZipContainer(entries);
}

TEST(ProjectFile, EveryCurveReadsBackExactly) {
    Project sent = Sample();
    sent.curves.push_back(ProjectCurve{QStringLiteral("Fit, \"b\""),
                                       PackedRgb(0, 114, 178),
                                       false,
                                       {DataTable::HeaderRow, {" 1", " 2.5", "-3"}},
                                       true});
    sent.curves.push_back(ProjectCurve{
        QStringLiteral("empty"), PackedRgb(0, 0, 0), true, {DataTable::HeaderRow}, false});
    sent.currentCurve = 1;
    const Project got = ReadProjectBytes(ProjectBytes(sent), Name).project;
    EXPECT_EQ(got.curves, sent.curves);
    EXPECT_EQ(got.currentCurve, 1);
    EXPECT_EQ(ProjectDocument(got), ProjectDocument(sent));
}

// A PDF page or an SVG file keeps its drawing to the last bit; a damaged drawing is refused.
TEST(ProjectFile, ADrawnPictureKeepsItsDrawingExactly) {
    Project sent = Sample();
    sent.pictureType = PictureType::SvgDrawing;
    auto drawing = std::make_shared<VectorDrawing>();
    drawing->size = QSizeF(sent.picture.size());
    DrawnPath line;
    line.points = {{0.1, 0.2}, {1.0 / 3, 2.0 / 3}};
    line.pieceStarts = {0};
    line.stroked = true;
    line.strokeColor = qRgb(1, 2, 3);
    drawing->paths.push_back(line);
    drawing->texts.push_back({QStringLiteral("10³"), QRectF(1, 2, 3, 4)});
    sent.vectors = drawing;
    const Project got = ReadProjectBytes(ProjectBytes(sent), Name).project;
    EXPECT_EQ(got.pictureType, PictureType::SvgDrawing);
    ASSERT_TRUE(got.vectors);
    EXPECT_EQ(DrawingBytes(*got.vectors), DrawingBytes(*drawing));

    const auto svgWith = [](const QByteArray& vectors) {
        return WithDocument(
            [](QJsonObject& root) {
                QJsonObject picture = root[QStringLiteral("picture")].toObject();
                picture[QStringLiteral("type")] = QStringLiteral("svg-drawing");
                root[QStringLiteral("picture")] = picture;
            },
            true, {{QStringLiteral("vectors.bin"), vectors}});
    };
    EXPECT_TRUE(ReadProjectBytes(svgWith(DrawingBytes(*drawing)), Name).project.vectors);
    EXPECT_TRUE(RefusalOf(svgWith(DrawingBytes(*drawing).chopped(1)))
                    .description.endsWith(QStringLiteral("(vectors.bin is damaged)")));
    // A bitmap has no drawing, whatever the file holds.
    EXPECT_FALSE(ReadProjectBytes(WithDocument([](QJsonObject&) {}, true,
                                               {{QStringLiteral("vectors.bin"), "junk"}}),
                                  Name)
                     .project.vectors);
}

// A project of the second format kept two reference points: it opens with those, not fitted.
TEST(ProjectFile, AFormatTwoProjectOpensWithTwoReferencePoints) {
    const QByteArray older = WithDocument([](QJsonObject& root) {
        root[QStringLiteral("format")] = 2;
        QJsonObject calibration = root[QStringLiteral("calibration")].toObject();
        calibration.remove(QStringLiteral("moreReferences"));
        calibration.remove(QStringLiteral("fitted"));
        root[QStringLiteral("calibration")] = calibration;
        QJsonObject settings = root[QStringLiteral("settings")].toObject();
        settings.remove(QStringLiteral("ReferenceFit"));
        root[QStringLiteral("settings")] = settings;
    });
    const Project got = ReadProjectBytes(older, Name).project;
    EXPECT_TRUE(got.moreReferences.empty());
    EXPECT_FALSE(got.fitted);
    EXPECT_EQ(got.settings.ReferenceFit, 0);
    EXPECT_EQ(got.calibration.X2, Sample().calibration.X2);
}

// A project of the first format kept one table: it opens as one curve that follows the options.
TEST(ProjectFile, AFormatOneProjectOpensAsOneCurve) {
    const Project sample = Sample();
    const QByteArray older = WithDocument([&](QJsonObject& root) {
        root[QStringLiteral("format")] = 1;
        const QJsonObject first = root[QStringLiteral("curves")].toArray()[0].toObject();
        root.remove(QStringLiteral("curves"));
        root.remove(QStringLiteral("currentCurve"));
        root[QStringLiteral("table")] =
            QJsonObject{{QStringLiteral("headerFrozen"), first[QStringLiteral("headerFrozen")]},
                        {QStringLiteral("rows"), first[QStringLiteral("rows")]}};
    });
    const Project got = ReadProjectBytes(older, Name).project;
    ASSERT_EQ(got.curves.size(), 1u);
    EXPECT_EQ(got.curves.front(), sample.curves.front());
    EXPECT_EQ(got.curves.front().name, QStringLiteral("Curve 1"));
    EXPECT_FALSE(got.curves.front().color.has_value());
    EXPECT_EQ(got.currentCurve, 0);
}

TEST(ProjectFile, EverythingReadsBackExactly) {
    const Project sent = Sample();
    const ReadProject read = ReadProjectBytes(ProjectBytes(sent), Name);
    const Project& got = read.project;
    EXPECT_EQ(got.pictureType, PictureType::Metafile);
    EXPECT_EQ(QImage::fromData(read.picturePng, "png").convertToFormat(QImage::Format_RGB32),
              sent.picture);
    EXPECT_EQ(got.metafileBytes, sent.metafileBytes);
    EXPECT_EQ(got.drawnTiles, sent.drawnTiles);
    EXPECT_EQ(got.drawnStrip, sent.drawnStrip);
    using C = CalibrationRecord;
    for (double C::*field : {&C::X1, &C::X2, &C::Y1, &C::Y2, &C::XPos1, &C::XPos2, &C::YPos1,
                             &C::YPos2, &C::LeftX, &C::RightX, &C::TopY, &C::BottomY}) {
        EXPECT_EQ(std::signbit(got.calibration.*field), std::signbit(sent.calibration.*field));
        EXPECT_EQ(got.calibration.*field, sent.calibration.*field);
    }
    EXPECT_TRUE(got.settings == sent.settings);
    EXPECT_EQ(got.moreReferences, sent.moreReferences);
    EXPECT_TRUE(std::signbit(got.moreReferences[0].Y));
    EXPECT_TRUE(got.fitted);
    EXPECT_EQ(got.dataFileName, sent.dataFileName);
    EXPECT_EQ(got.dataFileType, 3);
    EXPECT_EQ(got.statusTexts, sent.statusTexts);
    EXPECT_EQ(got.curves.front().rows, sent.curves.front().rows);
    EXPECT_TRUE(got.curves.front().headerFrozen);

    // A project from before the snapping options reads with them as they were then: off.
    const QByteArray older = WithDocument([](QJsonObject& root) {
        QJsonObject settings = root[QStringLiteral("settings")].toObject();
        for (const char* key : {"SnapClicks", "SnapTolerance", "AutoReadCentreLine"}) {
            settings.remove(QString::fromLatin1(key));
        }
        root[QStringLiteral("settings")] = settings;
    });
    const Settings fromOlder = ReadProjectBytes(older, Name).project.settings;
    EXPECT_FALSE(fromOlder.SnapClicks);
    EXPECT_EQ(fromOlder.SnapTolerance, DefaultSnapTolerance);
    EXPECT_FALSE(fromOlder.AutoReadCentreLine);

    Project empty;
    empty.curves.front().rows = {DataTable::HeaderRow};
    const ReadProject nothing = ReadProjectBytes(ProjectBytes(empty), Name);
    EXPECT_EQ(nothing.project.pictureType, PictureType::None);
    EXPECT_TRUE(nothing.picturePng.isEmpty());
    EXPECT_TRUE(nothing.project.drawnTiles.empty());
}

TEST(ProjectFile, BadFilesAreRefusedSayingWhy) {
    QByteArray damaged = ProjectBytes(Sample());
    damaged[damaged.indexOf("project.json") + 40] ^= 0x55; // inside the compressed document
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* reason;
    };
    // Sets a field of an object of the document, or of the document itself for "".
    const auto set = [](const char* object, const char* key, QJsonValue value) {
        return WithDocument([=](QJsonObject& root) {
            if (*object == 0) {
                root[QString::fromLatin1(key)] = value;
                return;
            }
            QJsonObject inner = root[QString::fromLatin1(object)].toObject();
            inner[QString::fromLatin1(key)] = value;
            root[QString::fromLatin1(object)] = inner;
        });
    };
    // Sets a field of the first curve.
    const auto setCurve = [](const char* key, QJsonValue value) {
        return WithDocument([=](QJsonObject& root) {
            QJsonArray curves = root[QStringLiteral("curves")].toArray();
            QJsonObject first = curves[0].toObject();
            first[QString::fromLatin1(key)] = value;
            curves[0] = first;
            root[QStringLiteral("curves")] = curves;
        });
    };
    // Adds a copy of the first curve under another name.
    const auto secondCurve = [](const QString& name) {
        return WithDocument([=](QJsonObject& root) {
            QJsonArray curves = root[QStringLiteral("curves")].toArray();
            QJsonObject copy = curves[0].toObject();
            copy[QStringLiteral("name")] = name;
            curves.append(copy);
            root[QStringLiteral("curves")] = curves;
        });
    };
    const Case cases[] = {
        {"empty", QByteArray(), "it is not a Kurvex project"},
        {"no document", ZipContainer({{QStringLiteral("other.txt"), "x"}}),
         "it has no project.json"},
        {"damaged", damaged, "project.json is damaged"},
        {"newer", WithDocument([](QJsonObject& root) { root[QStringLiteral("format")] = 5; }),
         "made by a newer Kurvex (project format 5; this version reads format 4)"},
        {"too many reference points",
         set("calibration", "moreReferences",
             QJsonArray::fromVariantList(QVariantList(99, QVariantMap{}))),
         "it has 101 reference points; a calibration takes at most 100"},
        {"reference point not an object", set("calibration", "moreReferences", QJsonArray{1}),
         "a reference point is not an object"},
        {"reference point without a value",
         set("calibration", "moreReferences",
             QJsonArray{QJsonObject{{"XPos", "1"}, {"YPos", "2"}, {"X", "3"}}}),
         "\"Y\" is missing or not a number"},
        {"number for a text", set("calibration", "X2", 3), "\"X2\" is missing or not a number"},
        {"pointer out of range", set("settings", "PointerIndex", 8),
         "\"PointerIndex\" is not a whole number from 1 to 7"},
        {"unknown picture", set("picture", "type", QStringLiteral("tiff")),
         "the picture's type \"tiff\" is unknown"},
        {"number in a cell",
         setCurve("rows", QJsonArray{QJsonArray{"a", "b", "c"}, QJsonArray{"1", 2.5, "3"}}),
         "row 1 of the table of curve 1 is not three texts"},
        {"no curves", set("", "curves", QJsonArray{}), "it has 0 curves; a project holds 1 to"},
        {"a curve without a name", setCurve("name", QStringLiteral(" ")),
         "curve 1 has no name of its own"},
        {"two curves of one name", secondCurve(QStringLiteral("CURVE 1")),
         "two curves are named \"CURVE 1\""},
        {"a colour past white", setCurve("color", 0x1000000),
         "\"color\" is not a whole number from 0 to 16777215"},
        {"a current curve that is none", set("", "currentCurve", 1),
         "\"currentCurve\" is not a whole number from 0 to 0"},
        {"a curve without its table", setCurve("rows", QJsonArray{}),
         "the table of curve 1 has no header row"},
        {"no picture", WithDocument([](QJsonObject&) {}, false), "it has no picture.png"},
        {"a tile twice", set("", "drawing", QJsonArray{0, 0}), "the drawing lists tile 0 twice"},
        // The 70 x 40 picture has 3 x 2 tiles.
        {"a tile outside the picture", set("", "drawing", QJsonArray{6}),
         "tile numbers are not whole numbers from 0 to 5"},
        {"more tiles than the picture has", set("", "drawing", QJsonArray{0, 1, 2, 3, 4, 5, 0}),
         "the drawing lists 7 tiles; its picture has 6"},
        {"a long cell",
         setCurve("rows",
                  QJsonArray{QJsonArray{"a", "b", "c"}, QJsonArray{"1", QString(32768, 'x'), "3"}}),
         "a cell of row 1 is longer than the 32767 characters a project may hold"},
        {"a long file name", set("dataFile", "name", QString(32768, 'x')),
         "\"name\" is longer than the 32767 characters"},
        {"a long status text", set("", "status", QJsonArray{"", "", QString(32768, 'x'), ""}),
         "a status text is longer than"},
        {"more tiles than drawn", WithDocument([](QJsonObject& root) {
             QJsonArray tiles = root[QStringLiteral("drawing")].toArray();
             tiles.append(5);
             root[QStringLiteral("drawing")] = tiles;
         }),
         "the drawing does not match its tiles"},
    };
    for (const Case& refused : cases) {
        const AppError error = RefusalOf(refused.bytes);
        EXPECT_EQ(error.number, 321) << refused.what;
        EXPECT_TRUE(error.description.startsWith(QStringLiteral("Invalid project: ") + Name))
            << refused.what;
        EXPECT_TRUE(error.description.contains(QString::fromLatin1(refused.reason)))
            << refused.what << ": " << error.description.toStdString();
    }
}

// Sizes a file states are checked against the program's own limits before anything of that
// size is taken: a short file never costs gigabytes.
TEST(ProjectFile, SizesStatedByTheFileAreBoundedBeforeAnythingIsTaken) {
    // A picture whose header claims more pixels than the program takes.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(4, 4, QImage::Format_RGB32).save(&buffer, "png");
    qToBigEndian<quint32>(20000, png.data() + 16);
    qToBigEndian<quint32>(20000, png.data() + 20);
    const QByteArray document = ProjectDocument(Sample());
    const AppError huge = RefusalOf(ZipContainer(
        {{QStringLiteral("project.json"), document}, {QStringLiteral("picture.png"), png, false}}));
    EXPECT_TRUE(huge.description.contains(QStringLiteral("20000 x 20000 pixels")))
        << huge.description.toStdString();
    const AppError noPng = RefusalOf(ZipContainer(
        {{QStringLiteral("project.json"), document}, {QStringLiteral("picture.png"), "GIF89a"}}));
    EXPECT_TRUE(noPng.description.contains(QStringLiteral("picture.png is not a PNG picture")));

    // More rows than a project holds, each of them short: as many as the lists of the largest
    // project (every curve's header and list among them) and one more.
    const int rowCount = MostProjectRows + 2 * MostCurves + 1;
    QByteArray rows = "[\"a\",\"b\",\"c\"]";
    rows.reserve(12 * qsizetype{rowCount});
    for (int row = 1; row < rowCount; ++row) {
        rows += ",[\"\",\"\",\"\"]";
    }
    QByteArray many = ProjectDocument(Sample());
    const qsizetype table = many.indexOf("\"rows\":[") + 8;
    many.replace(table, many.indexOf("]]", table) + 2 - table, rows + "]");
    const QString tooManyValues =
        QStringLiteral("project.json holds more lists or values than a table of %1 rows and a "
                       "drawing can have")
            .arg(MostProjectRows);
    const AppError tooMany = RefusalOf(ZipContainer({{QStringLiteral("project.json"), many}}));
    EXPECT_TRUE(tooMany.description.contains(tooManyValues))
        << tooMany.description.left(300).toStdString();
    // With one list less (no drawing) the rows reach the table, which counts them itself.
    const qsizetype drawing = many.indexOf("\"drawing\":[") + 10;
    many.replace(drawing, many.indexOf(']', drawing) + 1 - drawing, "null");
    const AppError tooManyRows = RefusalOf(ZipContainer({{QStringLiteral("project.json"), many}}));
    EXPECT_TRUE(tooManyRows.description.contains(
        QStringLiteral("the table has %1 rows; a project holds at most %2")
            .arg(rowCount)
            .arg(MostProjectRows)))
        << tooManyRows.description.left(300).toStdString();
    // Lists, empty or not, are counted outside the texts only: brackets and commas in cells
    // are texts.
    QByteArray empties = ProjectDocument(Sample());
    empties.replace("\"drawing\":[", "\"drawing\":[" + QByteArray("[],").repeated(rowCount));
    EXPECT_TRUE(RefusalOf(ZipContainer({{QStringLiteral("project.json"), empties}}))
                    .description.contains(tooManyValues));
    Project commas = Sample();
    commas.curves.front().rows.back()[1] = QString(MostProjectTextChars, QLatin1Char(','));
    commas.curves.front().rows.back()[2] = QStringLiteral("[[[\\\"],{");
    EXPECT_EQ(ReadProjectBytes(ProjectBytes(commas), Name).project.curves.front().rows,
              commas.curves.front().rows);

    // A text far longer than a project holds is refused before the document is parsed.
    QByteArray longText = ProjectDocument(Sample());
    longText.replace("\"name\":\"", "\"name\":\"" + QByteArray(6 * MostProjectTextChars, 'x'));
    EXPECT_TRUE(RefusalOf(ZipContainer({{QStringLiteral("project.json"), longText}}))
                    .description.contains(QStringLiteral(
                        "project.json holds a text longer than the 32767 characters")));

    // A document larger than any the program writes is never inflated.
    const AppError tooLarge = RefusalOf(ZipContainer(
        {{QStringLiteral("project.json"), QByteArray(MostProjectDocumentBytes + 1, ' ')}}));
    EXPECT_TRUE(tooLarge.description.contains(
        QStringLiteral("project.json is larger than a project may hold")));
}

// What the program writes it can open again: a session beyond the limits is refused on saving.
TEST(ProjectFile, ASessionBeyondTheLimitsIsNotWritten) {
    const auto refusal = [](const Project& project) {
        try {
            (void)ProjectBytes(project);
        } catch (const AppError& error) {
            return error.description;
        }
        return QStringLiteral("written");
    };
    Project longCell = Sample();
    longCell.curves.front().rows.back()[1] = QString(MostProjectTextChars, 'x');
    EXPECT_NO_THROW(ReadProjectBytes(ProjectBytes(longCell), Name)) << "the longest text is kept";
    longCell.curves.front().rows.back()[1] += QLatin1Char('x');
    EXPECT_TRUE(refusal(longCell).startsWith(
        QStringLiteral("The session cannot be kept in a project: a text is longer than")));
    Project longStatus = Sample();
    longStatus.statusTexts[1] = QString(MostProjectTextChars + 1, 'x');
    EXPECT_TRUE(refusal(longStatus).contains(QStringLiteral("a text is longer")));

    Project many = Sample();
    many.curves.front().rows.resize(MostProjectRows + 1, DataTable::Row{});
    EXPECT_TRUE(
        refusal(many).contains(QStringLiteral("the table has %1 points; a project holds at most %2")
                                   .arg(MostProjectRows)
                                   .arg(MostProjectRows - 1)));
}

TEST(ProjectFile, AnEntryLargerThanAllowedIsNeverRead) {
    const QByteArray container = ZipContainer({{QStringLiteral("big"), QByteArray(100000, 'a')},
                                               {QStringLiteral("small"), QByteArray("abc")}});
    const ZipReader zip(container);
    ZipReader::Problem problem = ZipReader::Problem::None;
    EXPECT_FALSE(zip.Read(QStringLiteral("big"), 99999, problem).has_value());
    EXPECT_EQ(problem, ZipReader::Problem::TooLarge);
    EXPECT_EQ(zip.Read(QStringLiteral("big"), 100000, problem), QByteArray(100000, 'a'));
    EXPECT_EQ(zip.Read(QStringLiteral("small"), 3, problem), QByteArray("abc"));
    EXPECT_FALSE(zip.Has(QStringLiteral("missing")));
}

TEST(RecentProjects, KeepsTheLastFiveNewestFirst) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("config/recent.ini"));
    RecentProjects recent(file);
    EXPECT_TRUE(recent.Paths().isEmpty());
    for (int number = 1; number <= 7; ++number) {
        recent.Add(QStringLiteral("/p/%1.kurvexproj").arg(number));
    }
    recent.Add(QStringLiteral("/p/5.kurvexproj"));
    const QStringList expected{QStringLiteral("/p/5.kurvexproj"), QStringLiteral("/p/7.kurvexproj"),
                               QStringLiteral("/p/6.kurvexproj"), QStringLiteral("/p/4.kurvexproj"),
                               QStringLiteral("/p/3.kurvexproj")};
    EXPECT_EQ(RecentProjects(file).Paths(), expected) << "kept for the next run";
    recent.Remove(QStringLiteral("/p/7.kurvexproj"));
    EXPECT_EQ(recent.Paths().size(), 4);
    EXPECT_FALSE(recent.Paths().contains(QStringLiteral("/p/7.kurvexproj")));

    // A list written by hand: empty and repeated entries go, and only five are taken.
    {
        QSettings edited(file, QSettings::IniFormat);
        edited.setValue(QStringLiteral("recentProjects"),
                        QStringList{"/a", "", "/a", "/b", "/c", "/d", "/e", "/f"});
    }
    EXPECT_EQ(RecentProjects(file).Paths(), (QStringList{"/a", "/b", "/c", "/d", "/e"}));

    RecentProjects none{QString()};
    none.Add(QStringLiteral("/p/1.kurvexproj"));
    EXPECT_TRUE(none.Paths().isEmpty());
}

} // namespace
