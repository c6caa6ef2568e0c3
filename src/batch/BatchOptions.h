#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The command line of a batch run: kurvex --batch [options] INPUT...

// Pages of a PDF as the user lists them ("1,3-5"): ranges from 1, kept as ranges so that
// "1-1000000" costs nothing until a document's page count bounds it.
class PageList {
public:
    // Nothing for a list that is not numbers and ranges separated by commas, or holds 0.
    static std::optional<PageList> Parse(const QString& text);
    // Every page: the default.
    PageList() = default;
    // The pages of a document of this many pages, in the order listed, each once.
    std::vector<int> PagesOf(int pageCount) const;
    // The first page listed: the one read first, which tells the document's page count.
    int FirstPage() const { return m_ranges.empty() ? 1 : m_ranges.front().first; }

private:
    std::vector<std::pair<int, int>> m_ranges; // empty: every page
};

// Rendering resolutions a batch run takes, as the import's PDF dialog does.
inline constexpr int FewestBatchDpi = 36;
inline constexpr int MostBatchDpi = 1200;
// More jobs than this run no faster on any machine the program meets, and each holds a reader.
inline constexpr int MostBatchJobs = 64;

struct BatchOptions {
    QStringList inputs;
    QString project; // --project FILE; empty for --auto
    bool autoMode = true;
    PageList pages;
    int dotsPerInch = 300;
    bool vector = true; // exact reading of a page's drawing where there is one
    QString out;
    int jobs = 1;
    bool force = false; // overwrite files in --out that an earlier run did not make
};

struct BatchArguments {
    std::optional<BatchOptions> options; // nothing for --help or a usage error
    bool help = false;
    QString error; // a usage error, in the user's words
};

// Reads the arguments after --batch. jobs defaults to `cores`.
BatchArguments ParseBatchArguments(const QStringList& arguments, int cores);

// What --help prints.
QString BatchUsage();
