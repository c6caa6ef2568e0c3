#include "batch/BatchRun.h"

#include "batch/BatchInputs.h"
#include "batch/BatchOptions.h"
#include "batch/BatchOutput.h"
#include "batch/BatchReader.h"
#include "core/AppError.h"
#include "decoding/PictureFiles.h"
#include "project/ProjectFile.h"
#include "recognition/LabelOcr.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <csignal>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include <unistd.h>

namespace {

std::atomic<bool> Stopped{false};

extern "C" void StopRun(int /*signal*/) {
    Stopped.store(true);
}

// The units still to read, and the results of those read; shared by the workers.
class Work {
public:
    Work(std::deque<BatchUnit> units, std::size_t refused)
        : m_units(std::move(units)), m_total(m_units.size() + refused) {}

    // The next unit, or nothing when every unit is read (or the run stops).
    std::optional<BatchUnit> Take() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return !m_units.empty() || m_busy == 0 || Stopped.load(); });
        if (m_units.empty() || Stopped.load()) {
            m_changed.notify_all();
            return std::nullopt;
        }
        BatchUnit unit = m_units.front();
        m_units.pop_front();
        ++m_busy;
        return unit;
    }
    // A unit read; `more` are the other pages of its PDF, to be read too.
    void Done(BatchRecord record, const std::vector<BatchUnit>& more, std::FILE* log) {
        std::lock_guard lock(m_mutex);
        m_units.insert(m_units.end(), more.begin(), more.end());
        m_total += more.size();
        --m_busy;
        m_records.push_back(std::move(record));
        Report(m_records.back(), log);
        m_changed.notify_all();
    }
    // A unit refused before it was read.
    void Refused(BatchRecord record, std::FILE* log) {
        std::lock_guard lock(m_mutex);
        m_records.push_back(std::move(record));
        Report(m_records.back(), log);
    }
    std::vector<BatchRecord> Records() {
        std::lock_guard lock(m_mutex);
        return m_records;
    }

private:
    void Report(const BatchRecord& record, std::FILE* log) const {
        const std::size_t done = m_records.size();
        const QString what = record.result.read
                                 ? QStringLiteral("read, %1 curves, %2 points")
                                       .arg(record.result.curves.size())
                                       .arg(record.result.points)
                                 : QStringLiteral("refused: ") + record.result.reason;
        if (isatty(fileno(log))) {
            constexpr int Width = 30;
            const int filled = static_cast<int>(Width * done / std::max<std::size_t>(m_total, 1));
            std::fprintf(log, "\r\033[K[%s%s] %zu/%zu %s", std::string(filled, '#').c_str(),
                         std::string(Width - filled, '.').c_str(), done, m_total,
                         qPrintable(QFileInfo(record.unit.path).fileName()));
            if (!record.result.read) {
                std::fprintf(log, "\r\033[K%s: %s\n", qPrintable(record.unit.path),
                             qPrintable(what));
            }
        } else {
            std::fprintf(log, "[%zu/%zu] %s%s: %s\n", done, m_total, qPrintable(record.unit.path),
                         record.result.page > 0
                             ? qPrintable(QStringLiteral(" page %1").arg(record.result.page))
                             : "",
                         qPrintable(what));
        }
        std::fflush(log);
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<BatchUnit> m_units;
    std::size_t m_total = 0;
    int m_busy = 0;
    std::vector<BatchRecord> m_records;
};

int UsageError(const QString& error, std::FILE* log) {
    std::fprintf(log, "kurvex --batch: %s\nkurvex --batch --help shows the usage.\n",
                 qPrintable(error));
    return 2;
}

void Worker(Work& work, const BatchOptions& options, const Project* project,
            const BatchOutput& output, std::FILE* log) {
    std::unique_ptr<LabelOcr> ocr;
    while (const std::optional<BatchUnit> unit = work.Take()) {
        QElapsedTimer clock;
        clock.start();
        if (!ocr && !project) {
            ocr = std::make_unique<LabelOcr>();
        }
        BatchRecord record{*unit, ReadUnit(*unit, options, project, ocr.get(), Stopped), {}, 0};
        std::vector<BatchUnit> more;
        // The first page read of a PDF tells how many it has: the others follow.
        if (record.result.pageCount > 0 && unit->page == options.pages.FirstPage()) {
            for (const int page : options.pages.PagesOf(record.result.pageCount)) {
                if (page != record.result.page) {
                    more.push_back({unit->input, unit->path, page});
                }
            }
        }
        if (record.result.read) {
            const QString name = ResultName(unit->path, record.result.page);
            if (const QString error = output.WriteResult(name, record.result.csv);
                !error.isEmpty()) {
                record.result.read = false;
                record.result.reason = error;
            } else {
                record.resultFile = name + QStringLiteral(".csv");
            }
        }
        record.seconds = clock.elapsed() / 1000.0;
        work.Done(std::move(record), more, log);
    }
}

} // namespace

bool IsBatchCall(int argc, char** argv) {
    return argc >= 2 && std::string(argv[1]) == "--batch";
}

int RunBatch(const QStringList& arguments, std::FILE* log) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const BatchArguments parsed = ParseBatchArguments(arguments, static_cast<int>(cores));
    if (parsed.help) {
        std::fputs(qPrintable(BatchUsage()), stdout);
        return 0;
    }
    if (!parsed.options) {
        return UsageError(parsed.error, log);
    }
    const BatchOptions& options = *parsed.options;
    std::optional<Project> project;
    if (!options.project.isEmpty()) {
        try {
            project = ReadProjectBytes(ReadPictureFile(options.project), options.project).project;
        } catch (const AppError& error) {
            return UsageError(error.description, log);
        }
    }
    BatchOutput output(options.out, options.force);
    if (const QString error = output.Prepare(); !error.isEmpty()) {
        return UsageError(error, log);
    }
    std::deque<BatchUnit> units;
    std::vector<BatchRecord> clashes;
    // Results are named after the input's file name: of two inputs of one name (in two
    // folders), the first is read and the second refused, whatever order the jobs finish in.
    std::map<QString, QString> names;
    const QStringList inputs = ExpandInputs(options.inputs);
    for (int at = 0; at < inputs.size(); ++at) {
        const BatchUnit unit{at, inputs.at(at), options.pages.FirstPage()};
        const auto [first, isFirst] = names.emplace(QFileInfo(unit.path).fileName(), unit.path);
        if (isFirst) {
            units.push_back(unit);
            continue;
        }
        BatchRecord clash{unit, {}, {}, 0};
        clash.result.reason =
            QStringLiteral("Its results would have the name of those of %1.").arg(first->second);
        clashes.push_back(std::move(clash));
    }
    if (inputs.empty()) {
        return UsageError(QStringLiteral("the folders given hold no pictures"), log);
    }
    // Each job reads its labels on one core: Tesseract's own threads would fight the jobs.
    qputenv("OMP_THREAD_LIMIT", "1");
    Stopped.store(false);
    std::signal(SIGINT, StopRun);
    std::signal(SIGTERM, StopRun);
    Work work(std::move(units), clashes.size());
    for (BatchRecord& clash : clashes) {
        work.Refused(std::move(clash), log);
    }
    const int jobs = std::min<int>(options.jobs, static_cast<int>(inputs.size()));
    std::vector<std::thread> workers;
    for (int job = 0; job < std::max(jobs, 1); ++job) {
        workers.emplace_back(Worker, std::ref(work), std::cref(options),
                             project ? &*project : nullptr, std::cref(output), log);
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::vector<BatchRecord> records = work.Records();
    std::sort(records.begin(), records.end(), [](const BatchRecord& a, const BatchRecord& b) {
        return a.unit.input != b.unit.input ? a.unit.input < b.unit.input
                                            : a.result.page < b.result.page;
    });
    if (const QString error = output.WriteSummary(records); !error.isEmpty()) {
        std::fprintf(log, "\nkurvex --batch: %s\n", qPrintable(error));
        return 1;
    }
    const auto refused = std::count_if(records.begin(), records.end(),
                                       [](const BatchRecord& r) { return !r.result.read; });
    if (isatty(fileno(log))) {
        std::fputs("\r\033[K", log);
    }
    std::fprintf(log, "%lld read, %lld refused%s; results in %s\n",
                 static_cast<long long>(records.size()) - static_cast<long long>(refused),
                 static_cast<long long>(refused), Stopped.load() ? ", stopped before the end" : "",
                 qPrintable(QDir::toNativeSeparators(options.out)));
    return refused > 0 || Stopped.load() ? 1 : 0;
}
