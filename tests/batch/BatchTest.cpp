#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"
#include "batch/BatchOutput.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

std::vector<int> Pages(const char* list, int count) {
    const std::optional<PageList> pages = PageList::Parse(QString::fromLatin1(list));
    EXPECT_TRUE(pages) << list;
    return pages ? pages->PagesOf(count) : std::vector<int>{};
}

TEST(BatchOptions, PageListsTakeNumbersAndRangesBoundedByTheDocument) {
    EXPECT_EQ(Pages("1,3-5", 10), (std::vector<int>{1, 3, 4, 5}));
    EXPECT_EQ(Pages("1,3-5", 4), (std::vector<int>{1, 3, 4}));
    // In the order listed, each page once.
    EXPECT_EQ(Pages("4, 2-3 ,2", 9), (std::vector<int>{4, 2, 3}));
    // A huge range costs nothing past the document's pages.
    EXPECT_EQ(Pages("2-999999999", 3), (std::vector<int>{2, 3}));
    EXPECT_EQ(PageList().PagesOf(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(PageList().PagesOf(0), std::vector<int>{});
    EXPECT_EQ(PageList::Parse(QStringLiteral("3-5"))->FirstPage(), 3);
    for (const char* wrong : {"", "0", "5-2", "a", "1,,2", "1-", "-3", "1.5", "9999999999"}) {
        EXPECT_FALSE(PageList::Parse(QString::fromLatin1(wrong))) << wrong;
    }
}

BatchArguments Parse(const QStringList& arguments) {
    return ParseBatchArguments(arguments, 6);
}

TEST(BatchOptions, TakesTheOptionsAndRefusesWhatCannotRun) {
    const BatchArguments plain = Parse({"--out", "results", "a.png", "pictures"});
    ASSERT_TRUE(plain.options) << plain.error.toStdString();
    EXPECT_TRUE(plain.options->autoMode);
    EXPECT_TRUE(plain.options->vector);
    EXPECT_EQ(plain.options->jobs, 6);
    EXPECT_EQ(plain.options->dotsPerInch, 300);
    EXPECT_EQ(plain.options->inputs, (QStringList{"a.png", "pictures"}));

    const BatchArguments full =
        Parse({"--project", "p.kurvexproj", "--raster", "--pages", "2-3", "--dpi", "150", "--jobs",
               "2", "--force", "--out", "o", "--", "--odd-name.png"});
    ASSERT_TRUE(full.options) << full.error.toStdString();
    EXPECT_FALSE(full.options->autoMode);
    EXPECT_FALSE(full.options->vector);
    EXPECT_TRUE(full.options->force);
    EXPECT_EQ(full.options->dotsPerInch, 150);
    EXPECT_EQ(full.options->jobs, 2);
    EXPECT_EQ(full.options->pages.PagesOf(9), (std::vector<int>{2, 3}));
    EXPECT_EQ(full.options->inputs, QStringList{"--odd-name.png"});

    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"--out", "o", "x.png", "-h"}).help);

    const std::pair<QStringList, const char*> wrong[] = {
        {{"x.png"}, "--out DIR is needed"},
        {{"--out", "o"}, "no input given"},
        {{"--out"}, "--out needs a value"},
        {{"--out", "o", "--auto", "--project", "p", "x.png"}, "--auto and --project"},
        {{"--out", "o", "--vector", "--raster", "x.png"}, "--vector and --raster"},
        {{"--out", "o", "--dpi", "20", "x.png"}, "--dpi takes a whole number from 36 to 1200"},
        {{"--out", "o", "--dpi", "3e2", "x.png"}, "--dpi takes"},
        {{"--out", "o", "--jobs", "0", "x.png"}, "--jobs takes a whole number from 1 to 64"},
        {{"--out", "o", "--pages", "0-2", "x.png"}, "--pages takes page numbers"},
        {{"--out", "o", "--quick", "x.png"}, "unknown option --quick"},
    };
    for (const auto& [arguments, error] : wrong) {
        const BatchArguments parsed = Parse(arguments);
        EXPECT_FALSE(parsed.options) << arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.startsWith(QString::fromLatin1(error)))
            << parsed.error.toStdString();
    }
    EXPECT_TRUE(BatchUsage().startsWith(QStringLiteral("Usage: kurvex --batch [options] INPUT")));
}

bool Touch(const QString& path, const QByteArray& bytes = "x") {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

TEST(BatchInputs, FoldersGiveTheirPicturesInOrderAndResultsAreNamedAfterTheInput) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    for (const char* name : {"b.png", "A.JPG", "c.pdf", "d.svg", "notes.txt", "e.tiff"}) {
        ASSERT_TRUE(Touch(dir.filePath(QString::fromLatin1(name))));
    }
    ASSERT_TRUE(dir.mkdir(QStringLiteral("inner.png")));
    ASSERT_TRUE(Touch(dir.filePath(QStringLiteral("inner.png/f.png"))));
    const QStringList expanded =
        ExpandInputs({QStringLiteral("missing.png"), folder.path(), QStringLiteral("z.gif")});
    EXPECT_EQ(expanded,
              (QStringList{QStringLiteral("missing.png"), dir.filePath("A.JPG"),
                           dir.filePath("b.png"), dir.filePath("c.pdf"), dir.filePath("d.svg"),
                           dir.filePath("e.tiff"), QStringLiteral("z.gif")}));
    EXPECT_EQ(ResultName(QStringLiteral("/data/run 1/fig.png"), 0), QStringLiteral("fig.png"));
    EXPECT_EQ(ResultName(QStringLiteral("report.pdf"), 3), QStringLiteral("report.pdf-p3"));
}

BatchRecord Record(const QString& path, bool read) {
    BatchRecord record;
    record.unit = {0, path, 2};
    record.result.read = read;
    record.result.reason = read ? QString() : QStringLiteral("Error loading picture");
    record.result.page = 2;
    record.result.calibration = QStringLiteral("auto");
    record.result.x = AxisSummary{false, 6, 0.04321, 1};
    record.result.y = AxisSummary{true, 5, 0.1, 1000};
    record.result.curves = {{QStringLiteral("Blue"), 740, false, true}};
    record.result.points = 740;
    record.resultFile = read ? QStringLiteral("fig.pdf-p2.csv") : QString();
    record.seconds = 0.41234;
    return record;
}

TEST(BatchOutput, TheSummaryTellsEachUnitInOneLine) {
    const QByteArray line = SummaryLine(Record(QStringLiteral("fig.pdf"), true));
    ASSERT_TRUE(line.endsWith('\n'));
    ASSERT_EQ(line.count('\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(line).object();
    EXPECT_EQ(object.value("input").toString(), QStringLiteral("fig.pdf"));
    EXPECT_EQ(object.value("page").toInt(), 2);
    EXPECT_EQ(object.value("status").toString(), QStringLiteral("read"));
    EXPECT_EQ(object.value("result").toString(), QStringLiteral("fig.pdf-p2.csv"));
    EXPECT_EQ(object.value("points").toInt(), 740);
    EXPECT_DOUBLE_EQ(object.value("seconds").toDouble(), 0.412);
    const QJsonObject y = object.value("calibration").toObject().value("y").toObject();
    EXPECT_TRUE(y.value("log").toBool());
    EXPECT_EQ(y.value("factor").toInt(), 1000);
    EXPECT_DOUBLE_EQ(
        object.value("calibration").toObject().value("x").toObject().value("worst_px").toDouble(),
        0.0432);
    const QJsonObject curve = object.value("curves").toArray().at(0).toObject();
    EXPECT_EQ(curve.value("name").toString(), QStringLiteral("Blue"));
    EXPECT_TRUE(curve.value("exact").toBool());

    const QJsonObject refused =
        QJsonDocument::fromJson(SummaryLine(Record(QStringLiteral("x.png"), false))).object();
    EXPECT_EQ(refused.value("status").toString(), QStringLiteral("refused"));
    EXPECT_EQ(refused.value("reason").toString(), QStringLiteral("Error loading picture"));
    EXPECT_TRUE(refused.value("result").isNull());
}

TEST(BatchOutput, OverwritesOnlyWhatAnEarlierRunMade) {
    QTemporaryDir folder;
    const QDir dir(folder.path());
    const QString out = dir.filePath(QStringLiteral("out"));
    {
        BatchOutput output(out, false);
        ASSERT_EQ(output.Prepare(), QString());
        EXPECT_EQ(output.WriteResult(QStringLiteral("fig.pdf-p2"), "curve,x,y\r\n"), QString());
        ASSERT_EQ(output.WriteSummary({Record(QStringLiteral("fig.pdf"), true)}), QString());
    }
    // Nothing half written stays behind: the files and nothing else.
    EXPECT_EQ(QDir(out).entryList(QDir::Files),
              (QStringList{QStringLiteral("fig.pdf-p2.csv"), QStringLiteral("summary.jsonl")}));
    // A file the user put there is not overwritten; one the last run wrote is.
    ASSERT_TRUE(Touch(QDir(out).filePath(QStringLiteral("mine.png.csv")), "precious"));
    BatchOutput again(out, false);
    ASSERT_EQ(again.Prepare(), QString());
    EXPECT_EQ(again.WriteResult(QStringLiteral("fig.pdf-p2"), "curve,x,y\r\nBlue,1,2\r\n"),
              QString());
    EXPECT_TRUE(again.WriteResult(QStringLiteral("mine.png"), "curve,x,y\r\n")
                    .startsWith(QStringLiteral("mine.png.csv is in the output folder and no "
                                               "batch run made it; --force overwrites it")));
    QFile mine(QDir(out).filePath(QStringLiteral("mine.png.csv")));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), QByteArray("precious"));
    mine.close();
    BatchOutput forced(out, true);
    ASSERT_EQ(forced.Prepare(), QString());
    EXPECT_EQ(forced.WriteResult(QStringLiteral("mine.png"), "curve,x,y\r\n"), QString());

    // A summary.jsonl of someone else's refuses the folder.
    const QString other = dir.filePath(QStringLiteral("other"));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("other")));
    ASSERT_TRUE(Touch(QDir(other).filePath(QStringLiteral("summary.jsonl")), "my notes\n"));
    EXPECT_TRUE(BatchOutput(other, false)
                    .Prepare()
                    .startsWith(QStringLiteral(
                        "summary.jsonl is in the output folder and no batch run made it")));
    EXPECT_EQ(BatchOutput(other, true).Prepare(), QString());

    // A folder that cannot be made, and a file that cannot be written, say so.
    ASSERT_TRUE(Touch(dir.filePath(QStringLiteral("plain"))));
    EXPECT_TRUE(BatchOutput(dir.filePath(QStringLiteral("plain/out")), false)
                    .Prepare()
                    .startsWith(QStringLiteral("the output folder")));
    BatchOutput full(QStringLiteral("/dev/full-folder"), false);
    EXPECT_FALSE(full.WriteResult(QStringLiteral("x"), "data").isEmpty());
}

} // namespace
