#pragma once

#include <QImage>
#include <QString>

#include <memory>

namespace tesseract {
class TessBaseAPI;
}

// Reads the text of a small picture of one axis label (a few characters on one line) with
// Tesseract's English model, held to the characters numbers are written with. Labels are read
// one at a time from their own small regions, never the whole page. One reader per thread.
class LabelOcr {
public:
    LabelOcr();
    ~LabelOcr();
    LabelOcr(const LabelOcr&) = delete;
    LabelOcr& operator=(const LabelOcr&) = delete;

    // False when Tesseract or its English model cannot be loaded; Read then gives nothing.
    bool Ready() const { return m_ready; }
    // The label's text, empty when nothing was read. The picture is the label's region with
    // some background around it, dark text on a light ground.
    QString Read(const QImage& label);

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    bool m_ready = false;
};

// The label's region made the way the reader reads best: grey, its text about 40 pixels high,
// on a margin of background.
QImage PreparedLabel(const QImage& label);
