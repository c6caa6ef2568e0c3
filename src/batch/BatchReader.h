#pragma once

#include "batch/BatchOptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

class LabelOcr;
struct Project;

// One picture, or one page of a PDF, of a batch run.
struct BatchUnit {
    int input = 0; // its place among the inputs
    QString path;
    int page = 0; // the PDF page asked for; 0 before the file is known to be a PDF
};

struct AxisSummary {
    bool logarithmic = false;
    int ticks = 0;
    double worstPixels = 0;
    double factor = 1;
};

struct CurveSummary {
    QString name;
    std::int64_t points = 0;
    bool markers = false;
    bool exact = false; // read from the page's drawing
};

struct UnitResult {
    bool read = false;
    QString reason; // why it was refused
    QStringList warnings;
    int page = 0;        // the PDF page read; 0 for other pictures
    int pageCount = 0;   // for a PDF: its pages
    QString calibration; // "auto" or "project"
    std::optional<AxisSummary> x;
    std::optional<AxisSummary> y;
    std::vector<CurveSummary> curves;
    std::int64_t points = 0;
    QByteArray csv; // curve,x,y
};

// Decodes the unit in a child process, as the program does, calibrates it (found by the
// program, or the project's) and reads its curves (found by colour, or the project's curve
// colours by auto-read). `ocr` reads the labels; it is needed without a project only. `stop`
// set gives up a decoding or an auto-read under way.
UnitResult ReadUnit(const BatchUnit& unit, const BatchOptions& options, const Project* project,
                    LabelOcr* ocr, const std::atomic<bool>& stop);
