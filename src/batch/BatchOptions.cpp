#include "batch/BatchOptions.h"

#include <QRegularExpression>

#include <algorithm>

std::optional<PageList> PageList::Parse(const QString& text) {
    static const QRegularExpression Range(
        QStringLiteral("^\\s*(\\d{1,9})\\s*(?:-\\s*(\\d{1,9})\\s*)?$"));
    PageList list;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QRegularExpressionMatch match = Range.match(part);
        if (!match.hasMatch()) {
            return std::nullopt;
        }
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (first < 1 || last < first) {
            return std::nullopt;
        }
        list.m_ranges.emplace_back(first, last);
    }
    return list;
}

std::vector<int> PageList::PagesOf(int pageCount) const {
    std::vector<int> pages;
    std::vector<bool> taken(static_cast<std::size_t>(std::max(pageCount, 0)) + 1, false);
    const auto take = [&](int page) {
        if (page >= 1 && page <= pageCount && !taken[static_cast<std::size_t>(page)]) {
            taken[static_cast<std::size_t>(page)] = true;
            pages.push_back(page);
        }
    };
    if (m_ranges.empty()) {
        for (int page = 1; page <= pageCount; ++page) {
            take(page);
        }
    }
    for (const auto& [first, last] : m_ranges) {
        for (int page = first; page <= std::min(last, pageCount); ++page) {
            take(page);
        }
    }
    return pages;
}

namespace {

std::optional<int> Whole(const QString& text, int least, int most) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

} // namespace

BatchArguments ParseBatchArguments(const QStringList& arguments, int cores) {
    BatchArguments parsed;
    BatchOptions options;
    options.jobs = std::clamp(cores, 1, MostBatchJobs);
    bool autoGiven = false;
    bool modeGiven = false;
    const auto fail = [&](const QString& error) {
        parsed.error = error;
        return parsed;
    };
    for (int at = 0; at < arguments.size(); ++at) {
        const QString& argument = arguments.at(at);
        const auto value = [&]() -> std::optional<QString> {
            if (at + 1 >= arguments.size()) {
                return std::nullopt;
            }
            return arguments.at(++at);
        };
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
            parsed.help = true;
            return parsed;
        }
        if (argument == QStringLiteral("--auto")) {
            autoGiven = true;
        } else if (argument == QStringLiteral("--vector") ||
                   argument == QStringLiteral("--raster")) {
            if (modeGiven && options.vector != (argument == QStringLiteral("--vector"))) {
                return fail(QStringLiteral("--vector and --raster cannot both be given"));
            }
            modeGiven = true;
            options.vector = argument == QStringLiteral("--vector");
        } else if (argument == QStringLiteral("--force")) {
            options.force = true;
        } else if (argument == QStringLiteral("--project") || argument == QStringLiteral("--out") ||
                   argument == QStringLiteral("--pages") || argument == QStringLiteral("--dpi") ||
                   argument == QStringLiteral("--jobs")) {
            const std::optional<QString> given = value();
            if (!given || given->isEmpty()) {
                return fail(QStringLiteral("%1 needs a value").arg(argument));
            }
            if (argument == QStringLiteral("--project")) {
                options.project = *given;
            } else if (argument == QStringLiteral("--out")) {
                options.out = *given;
            } else if (argument == QStringLiteral("--pages")) {
                const std::optional<PageList> pages = PageList::Parse(*given);
                if (!pages) {
                    return fail(QStringLiteral("--pages takes page numbers and ranges from 1, "
                                               "such as 1,3-5, not \"%1\"")
                                    .arg(*given));
                }
                options.pages = *pages;
            } else if (argument == QStringLiteral("--dpi")) {
                const std::optional<int> dpi = Whole(*given, FewestBatchDpi, MostBatchDpi);
                if (!dpi) {
                    return fail(QStringLiteral("--dpi takes a whole number from %1 to %2, not "
                                               "\"%3\"")
                                    .arg(FewestBatchDpi)
                                    .arg(MostBatchDpi)
                                    .arg(*given));
                }
                options.dotsPerInch = *dpi;
            } else {
                const std::optional<int> jobs = Whole(*given, 1, MostBatchJobs);
                if (!jobs) {
                    return fail(QStringLiteral("--jobs takes a whole number from 1 to %1, not "
                                               "\"%2\"")
                                    .arg(MostBatchJobs)
                                    .arg(*given));
                }
                options.jobs = *jobs;
            }
        } else if (argument == QStringLiteral("--")) {
            options.inputs += arguments.mid(at + 1);
            break;
        } else if (argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            return fail(QStringLiteral("unknown option %1").arg(argument));
        } else {
            options.inputs << argument;
        }
    }
    if (autoGiven && !options.project.isEmpty()) {
        return fail(QStringLiteral("--auto and --project cannot both be given: a project's "
                                   "calibration is used as it is"));
    }
    options.autoMode = options.project.isEmpty();
    if (options.out.isEmpty()) {
        return fail(QStringLiteral("--out DIR is needed: the folder the results go to"));
    }
    if (options.inputs.isEmpty()) {
        return fail(QStringLiteral("no input given: name picture files, PDF or SVG files, or "
                                   "folders"));
    }
    parsed.options = options;
    return parsed;
}

QString BatchUsage() {
    return QStringLiteral(
        "Usage: kurvex --batch [options] INPUT...\n"
        "Reads the curves of many plots without windows, each input on its own.\n"
        "\n"
        "  INPUT           picture files, PDF or SVG files (every page, or --pages), or\n"
        "                  folders (the pictures in them)\n"
        "  --project FILE  take the calibration, options and curve colours of this project\n"
        "                  for every input (a series of figures with the same layout)\n"
        "  --auto          calibrate each input and find its curves (the default without\n"
        "                  --project)\n"
        "  --pages LIST    PDF pages, such as 1,3-5 (default: every page)\n"
        "  --dpi N         rendering resolution of PDF pages (default 300)\n"
        "  --vector        read a PDF page's or an SVG file's drawing exactly where it has\n"
        "                  one (the default)\n"
        "  --raster        read pixels only\n"
        "  --out DIR       one CSV per input and page (curve,x,y, as Export All Curves\n"
        "                  writes) and summary.jsonl: one JSON line per input and page with\n"
        "                  its status, reason, calibration, curves, points and seconds\n"
        "  --jobs N        inputs decoded and read at once (default: the number of cores)\n"
        "  --force         overwrite files in DIR that no earlier run made\n"
        "  --help          this text\n"
        "\n"
        "Exit status: 0 when every input was read, 1 when some were refused (each named in\n"
        "summary.jsonl with its reason), 2 for a usage error.\n");
}
