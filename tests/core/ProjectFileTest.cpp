#include "core/ProjectFile.h"
#include "core/ProjectZip.h"
#include "core/RecentProjects.h"
#include "document/DrawnPicture.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>

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
    drawing.Dot(1, 9, 255);
    drawing.Dot(8, 2, 0xFF00);
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
    project.settings.ZoomLineColor = 0xFFFFFF;
    project.settings.SnapClicks = true;
    project.settings.SnapTolerance = 765;
    project.settings.AutoReadCentreLine = true;
    project.dataFileName = QStringLiteral("/data/punkte ä.dat");
    project.dataFileType = 3;
    project.statusTexts = {QStringLiteral("/data/punkte ä.dat"), QStringLiteral("fig.wmf"),
                           QStringLiteral("1.5"), QStringLiteral("-2.25E-03")};
    project.rows = {DataTable::HeaderRow,
                    {QStringLiteral(" 1"), QStringLiteral(" 3.25E+02"), QStringLiteral("1,5")},
                    {QStringLiteral("2"), QString(), QStringLiteral("  x\"y\\z\t")}};
    project.headerFrozen = true;
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
QByteArray WithDocument(const std::function<void(QJsonObject&)>& edit, bool keepPicture = true) {
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
    return ZipContainer(entries);
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
    EXPECT_EQ(got.dataFileName, sent.dataFileName);
    EXPECT_EQ(got.dataFileType, 3);
    EXPECT_EQ(got.statusTexts, sent.statusTexts);
    EXPECT_EQ(got.rows, sent.rows);
    EXPECT_TRUE(got.headerFrozen);

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
    empty.rows = {DataTable::HeaderRow};
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
    const auto set = [](const char* object, const char* key, QJsonValue value) {
        return WithDocument([=](QJsonObject& root) {
            QJsonObject inner = root[QString::fromLatin1(object)].toObject();
            inner[QString::fromLatin1(key)] = value;
            root[QString::fromLatin1(object)] = inner;
        });
    };
    const Case cases[] = {
        {"empty", QByteArray(), "it is not a Kurvex project"},
        {"no document", ZipContainer({{QStringLiteral("other.txt"), "x"}}),
         "it has no project.json"},
        {"damaged", damaged, "project.json is damaged"},
        {"newer", WithDocument([](QJsonObject& root) { root[QStringLiteral("format")] = 2; }),
         "made by a newer Kurvex (project format 2; this version reads format 1)"},
        {"number for a text", set("calibration", "X2", 3), "\"X2\" is missing or not a number"},
        {"pointer out of range", set("settings", "PointerIndex", 8),
         "\"PointerIndex\" is not a whole number from 1 to 7"},
        {"unknown picture", set("picture", "type", QStringLiteral("tiff")),
         "the picture's type \"tiff\" is unknown"},
        {"number in a cell",
         set("table", "rows", QJsonArray{QJsonArray{"a", "b", "c"}, QJsonArray{"1", 2.5, "3"}}),
         "row 1 of the table is not three texts"},
        {"no picture", WithDocument([](QJsonObject&) {}, false), "it has no picture.png"},
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
