// The batch run as users start it: the program's own executable with --batch, on folders of
// drawn plots whose data are known, with hostile and unreadable files among them.

#include "RasterPlots.h"
#include "TestData.h"
#include "VectorPlots.h"
#include "project/ProjectState.h"
#include "recognition/CurveFinding.h"
#include "recognition/LabelOcr.h"
#include "recognition/PlotAxesReading.h"
#include "session/ProposedScale.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <map>

namespace {

struct Csv {
    std::map<QString, std::vector<QPointF>> curves;
};

Csv ReadCsv(const QString& path) {
    Csv csv;
    const QList<QByteArray> lines = ReadFile(path).split('\n');
    EXPECT_EQ(lines.value(0).trimmed(), QByteArray("curve,x,y")) << path.toStdString();
    for (qsizetype at = 1; at < lines.size(); ++at) {
        const QList<QByteArray> cells = lines[at].trimmed().split(',');
        if (cells.size() == 3) {
            csv.curves[QString::fromUtf8(cells[0])].push_back(
                {cells[1].toDouble(), cells[2].toDouble()});
        }
    }
    return csv;
}

std::vector<QJsonObject> ReadSummary(const QString& folder) {
    std::vector<QJsonObject> lines;
    for (const QByteArray& line : ReadFile(QDir(folder).filePath("summary.jsonl")).split('\n')) {
        if (!line.isEmpty()) {
            lines.push_back(QJsonDocument::fromJson(line).object());
        }
    }
    return lines;
}

// The median distance (pixels) of values read from the series of their colour's name.
double MedianPixelsOff(const RasterPlots::Drawn& drawn, const QString& name,
                       const std::vector<QPointF>& values) {
    const RasterPlots::Series* truth = nullptr;
    for (const RasterPlots::Series& series : drawn.series) {
        if (ColorName(series.color.rgb()) == name) {
            truth = &series;
        }
    }
    EXPECT_TRUE(truth) << name.toStdString();
    if (!truth || values.empty()) {
        return 1e9;
    }
    std::vector<double> distances;
    for (const QPointF& value : values) {
        distances.push_back(RasterPlots::PixelsOff(drawn, *truth, drawn.PixelOf(value)));
    }
    std::nth_element(distances.begin(), distances.begin() + distances.size() / 2, distances.end());
    return distances[distances.size() / 2];
}

class BatchRun : public ::testing::Test {
protected:
    QString Folder(const QString& name) {
        const QString path = QDir(m_dir.path()).filePath(name);
        QDir().mkpath(path);
        return path;
    }
    RasterPlots::Drawn Plot(const QString& folder, const QString& name, int style, bool yLog,
                            int seed, int dotsPerInch = 150) {
        RasterPlots::Case plot;
        plot.style = RasterPlots::Styles()[static_cast<std::size_t>(style)];
        plot.dotsPerInch = dotsPerInch;
        plot.yLog = yLog;
        plot.seriesCount = 3;
        plot.seed = seed;
        RasterPlots::Drawn drawn = RasterPlots::Draw(plot);
        EXPECT_TRUE(drawn.image.save(QDir(folder).filePath(name)));
        return drawn;
    }
    // Runs the program; its exit status, what it said on stderr in `said`.
    int Run(const QStringList& arguments, QString* said = nullptr,
            const QString& workingFolder = {}) {
        QProcess program;
        program.setProgram(QStringLiteral(KURVEX_BINARY));
        program.setArguments(QStringList{QStringLiteral("--batch")} + arguments);
        if (!workingFolder.isEmpty()) {
            program.setWorkingDirectory(workingFolder);
        }
        program.start();
        EXPECT_TRUE(program.waitForFinished(240000));
        if (said) {
            *said = QString::fromUtf8(program.readAllStandardError());
        }
        return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    }

    QTemporaryDir m_dir;
};

TEST_F(BatchRun, AutoReadsTheFolderAndReportsWhatItCannotRead) {
    const QString in = Folder("in");
    std::map<QString, RasterPlots::Drawn> truth;
    truth.emplace("boxed.png", Plot(in, "boxed.png", 0, false, 1));
    truth.emplace("powers.png", Plot(in, "powers.png", 2, true, 2));
    truth.emplace("factor.png", Plot(in, "factor.png", 1, false, 3, 120));
    const VectorPlots::Plot page = VectorPlots::ThreeSeries();
    ASSERT_TRUE(WriteFile(QDir(in).filePath("page.pdf"), VectorPlots::PdfFile(page)));
    ASSERT_TRUE(WriteFile(QDir(in).filePath("hostile.wmf"), Bytes("hostile/huge-record.wmf")));
    ASSERT_TRUE(WriteFile(QDir(in).filePath("notes.png"), "not a picture"));
    QImage white(300, 200, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(QDir(in).filePath("white.png")));

    const QString out = QDir(m_dir.path()).filePath("out");
    QString said;
    EXPECT_EQ(Run({"--auto", "--jobs", "2", "--out", out, in}, &said), 1);
    EXPECT_TRUE(said.contains(QStringLiteral("4 read, 3 refused"))) << said.toStdString();
    const std::vector<QJsonObject> summary = ReadSummary(out);
    ASSERT_EQ(summary.size(), 7u);
    // In the order of the folder's names.
    const QStringList order{"boxed.png", "factor.png", "hostile.wmf", "notes.png",
                            "page.pdf",  "powers.png", "white.png"};
    for (std::size_t at = 0; at < summary.size(); ++at) {
        const QJsonObject& line = summary[at];
        const QString name = QFileInfo(line.value("input").toString()).fileName();
        EXPECT_EQ(name, order[static_cast<int>(at)]);
        const bool refused = name == "hostile.wmf" || name == "notes.png" || name == "white.png";
        EXPECT_EQ(line.value("status").toString(), refused ? "refused" : "read")
            << name.toStdString();
        EXPECT_EQ(line.value("reason").toString().isEmpty(), !refused) << name.toStdString();
        if (refused) {
            EXPECT_TRUE(line.value("result").isNull());
            EXPECT_FALSE(QFileInfo::exists(QDir(out).filePath(name + ".csv")));
            continue;
        }
        const Csv csv = ReadCsv(QDir(out).filePath(line.value("result").toString()));
        EXPECT_EQ(csv.curves.size(), 3u) << name.toStdString();
        if (name == "page.pdf") {
            // Read off the page's drawing: the line's points exactly.
            EXPECT_EQ(line.value("page").toInt(), 1);
            EXPECT_EQ(line.value("result").toString(), QStringLiteral("page.pdf-p1.csv"));
            const std::vector<QPointF>& blue = csv.curves.at("Blue");
            ASSERT_EQ(blue.size(), page.series[0].data.size());
            for (std::size_t i = 0; i < blue.size(); ++i) {
                EXPECT_NEAR(blue[i].x(), page.series[0].data[i].x(), 1e-6);
                EXPECT_NEAR(blue[i].y(), page.series[0].data[i].y(), 1e-4);
            }
            continue;
        }
        for (const auto& [curve, values] : csv.curves) {
            EXPECT_LT(MedianPixelsOff(truth.at(name), curve, values), 0.5)
                << name.toStdString() << " " << curve.toStdString();
        }
    }
    EXPECT_EQ(
        summary[1].value("calibration").toObject().value("y").toObject().value("factor").toInt(),
        1000);

    // Two inputs of one name: the first is read, the second said to clash, in every run.
    const QString twin = Folder("twin");
    Plot(twin, "boxed.png", 0, false, 9);
    const QString clashOut = QDir(m_dir.path()).filePath("clash");
    EXPECT_EQ(Run({"--jobs", "2", "--out", clashOut, QDir(in).filePath("boxed.png"),
                   QDir(twin).filePath("boxed.png")}),
              1);
    const std::vector<QJsonObject> clash = ReadSummary(clashOut);
    ASSERT_EQ(clash.size(), 2u);
    EXPECT_EQ(clash[0].value("status").toString(), "read");
    EXPECT_EQ(clash[1].value("reason").toString(),
              QStringLiteral("Its results would have the name of those of %1.")
                  .arg(QDir(in).filePath("boxed.png")));

    // A second run into the same folder replaces what the first made, and nothing else.
    ASSERT_TRUE(WriteFile(QDir(out).filePath("boxed.png.csv.keep"), "mine"));
    EXPECT_EQ(Run({"--out", out, QDir(in).filePath("boxed.png")}), 0);
    EXPECT_EQ(ReadSummary(out).size(), 1u);
    EXPECT_EQ(ReadFile(QDir(out).filePath("boxed.png.csv.keep")), QByteArray("mine"));
}

TEST_F(BatchRun, AProjectMadeInTheProgramReadsFiguresOfTheSameLayout) {
    const QString in = Folder("in");
    const QString made = Folder("made");
    const RasterPlots::Drawn first = Plot(made, "first.png", 0, false, 4);
    // The project: the first figure calibrated by Auto Scale, one curve in the blue of its line,
    // auto-read along the centre of the line.
    Session session;
    session.Picture().SetPicture(first.image, PictureType::Bitmap);
    LabelOcr ocr;
    const PlotAxesReading axes = ReadPlotAxes(first.image, nullptr, ocr);
    ASSERT_TRUE(axes.proposal);
    ASSERT_TRUE(ApplyProposedCalibration(session, *axes.proposal));
    session.settings.AutoReadCentreLine = true;
    session.settings.GridCols = 400;
    session.settings.GridRows = 400;
    session.RenameCurve(0, QStringLiteral("Blue"));
    session.SetCurveColor(0, PackedColor::Rgb(31, 119, 180));
    const QString projectPath = QDir(made).filePath("layout.kurvexproj");
    ASSERT_TRUE(WriteFile(projectPath, ProjectBytes(CurrentProject(session, true))));

    std::map<QString, RasterPlots::Drawn> truth;
    for (const int seed : {5, 6}) {
        const QString name = QStringLiteral("figure%1.png").arg(seed);
        truth.emplace(name, Plot(in, name, 0, false, seed));
    }
    const QString out = QDir(m_dir.path()).filePath("out");
    QString said;
    ASSERT_EQ(Run({"--project", projectPath, "--out", out, in}, &said), 0) << said.toStdString();
    for (const QJsonObject& line : ReadSummary(out)) {
        const QString name = QFileInfo(line.value("input").toString()).fileName();
        EXPECT_EQ(line.value("calibration").toObject().value("source").toString(), "project");
        const Csv csv = ReadCsv(QDir(out).filePath(line.value("result").toString()));
        ASSERT_EQ(csv.curves.size(), 1u);
        const std::vector<QPointF>& blue = csv.curves.at("Blue");
        EXPECT_GT(blue.size(), 300u);
        EXPECT_LT(MedianPixelsOff(truth.at(name), "Blue", blue), 1.0) << name.toStdString();
    }

    // A project that is no project, and a usage error, stop before anything is read.
    ASSERT_TRUE(WriteFile(QDir(made).filePath("broken.kurvexproj"), "PK\x03\x04 broken"));
    EXPECT_EQ(Run({"--project", QDir(made).filePath("broken.kurvexproj"), "--out", out, in}, &said),
              2);
    EXPECT_TRUE(said.contains(QStringLiteral("Invalid project"))) << said.toStdString();
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(Run({"--jobs", "many", "--out", out, in}, &said), 2);
    EXPECT_TRUE(said.startsWith(QStringLiteral("kurvex --batch: --jobs takes")));
}

} // namespace

namespace {

// The README's recipe for many machines, as written there.
QString ReadmeRecipe() {
    const QString readme =
        QString::fromUtf8(ReadFile(QStringLiteral(KURVEX_TEST_DATA "/../../README.md")));
    const qsizetype marker = readme.indexOf(QStringLiteral("<!-- batch-recipe -->"));
    const qsizetype start = readme.indexOf(QStringLiteral("```sh\n"), marker);
    const qsizetype end = readme.indexOf(QStringLiteral("```"), start + 6);
    if (marker < 0 || start < 0 || end < 0) {
        return {};
    }
    return readme.mid(start + 6, end - start - 6);
}

// Every file of a folder: CSVs by their bytes, the summary by its lines without their seconds.
std::map<QString, QByteArray> Results(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        QByteArray bytes = ReadFile(QDir(folder).filePath(name));
        if (name == QStringLiteral("summary.jsonl")) {
            QList<QByteArray> lines;
            for (const QByteArray& line : bytes.split('\n')) {
                if (!line.isEmpty()) {
                    QJsonObject object = QJsonDocument::fromJson(line).object();
                    object.remove(QStringLiteral("seconds"));
                    lines << QJsonDocument(object).toJson(QJsonDocument::Compact);
                }
            }
            std::sort(lines.begin(), lines.end());
            bytes = lines.join('\n');
        }
        files[name] = bytes;
    }
    return files;
}

TEST_F(BatchRun, TheReadmeRecipeForManyMachinesGivesWhatOneRunGives) {
    const QString recipe = ReadmeRecipe();
    ASSERT_TRUE(recipe.contains(QStringLiteral("parallel --sshloginfile machines.txt")))
        << recipe.toStdString();
    const QString work = Folder("work");
    const QString pictures = Folder("work/pictures");
    Plot(pictures, "a.png", 0, false, 7);
    Plot(pictures, "b.png", 3, true, 8);
    QImage white(300, 200, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(QDir(pictures).filePath("blank.png")));
    // This machine as the only login.
    ASSERT_TRUE(WriteFile(QDir(work).filePath("machines.txt"), ":\n"));

    QProcess shell;
    shell.setWorkingDirectory(work);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(KURVEX_BINARY)).absolutePath() + QLatin1Char(':') +
                           environment.value(QStringLiteral("PATH")));
    environment.insert(QStringLiteral("HOME"), work);
    shell.setProcessEnvironment(environment);
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), recipe});
    ASSERT_TRUE(shell.waitForFinished(240000));
    ASSERT_TRUE(QFileInfo::exists(QDir(work).filePath("all/summary.jsonl")))
        << shell.readAllStandardError().toStdString();

    // One run over the same pictures, named the same way.
    const QString single = QDir(work).filePath("single");
    ASSERT_EQ(
        Run({"--auto", "--out", single, "pictures/a.png", "pictures/b.png", "pictures/blank.png"},
            nullptr, work),
        1);
    const std::map<QString, QByteArray> spread = Results(QDir(work).filePath("all"));
    const std::map<QString, QByteArray> one = Results(single);
    EXPECT_EQ(spread.size(), 3u); // a.png.csv, b.png.csv, summary.jsonl
    EXPECT_TRUE(spread == one);
    for (const auto& [name, bytes] : one) {
        EXPECT_EQ(spread.count(name), 1u) << name.toStdString();
    }
}

} // namespace

#include <csignal>

namespace {

TEST_F(BatchRun, AStoppedRunLeavesWholeFilesOnly) {
    const QString in = Folder("in");
    for (int copy = 0; copy < 8; ++copy) {
        Plot(in, QStringLiteral("plot%1.png").arg(copy), copy % 4, copy % 2 == 1, copy);
    }
    const QString out = QDir(m_dir.path()).filePath("out");
    QProcess program;
    program.setReadChannel(QProcess::StandardError);
    program.start(QStringLiteral(KURVEX_BINARY),
                  {QStringLiteral("--batch"), QStringLiteral("--jobs"), QStringLiteral("1"),
                   QStringLiteral("--out"), out, in});
    // Stopped once it has read its first plot, as Ctrl+C stops it.
    QByteArray said;
    while (!said.contains("[1/") && program.waitForReadyRead(60000)) {
        said += program.readAllStandardError();
    }
    ASSERT_TRUE(said.contains("[1/")) << said.toStdString();
    ::kill(static_cast<pid_t>(program.processId()), SIGINT);
    ASSERT_TRUE(program.waitForFinished(60000));
    said += program.readAllStandardError();
    EXPECT_EQ(program.exitCode(), 1);
    EXPECT_TRUE(said.contains("stopped before the end")) << said.toStdString();
    const std::vector<QJsonObject> summary = ReadSummary(out);
    ASSERT_GE(summary.size(), 1u);
    EXPECT_LT(summary.size(), 8u);
    // Every file there is whole and named in the summary; nothing half written is left.
    QStringList named{QStringLiteral("summary.jsonl")};
    for (const QJsonObject& line : summary) {
        named << line.value("result").toString();
    }
    for (const QString& name : QDir(out).entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_TRUE(named.contains(name)) << name.toStdString();
        if (name.endsWith(QStringLiteral(".csv"))) {
            EXPECT_TRUE(ReadFile(QDir(out).filePath(name)).endsWith("\r\n"));
        }
    }
}

} // namespace
