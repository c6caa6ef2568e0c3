#include "recognition/LabelOcr.h"

#include <tesseract/baseapi.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace {

// The characters numbers on axes are written with, and the letters OCR takes some digits for
// (a small "1" looks like "l", a "0" like "O"), which are read as those digits.
constexpr char Alphabet[] = "0123456789.,-+eE^xlIO|";

QString AsDigits(QString text) {
    for (QChar& c : text) {
        if (c == QLatin1Char('l') || c == QLatin1Char('I') || c == QLatin1Char('|')) {
            c = QLatin1Char('1');
        } else if (c == QLatin1Char('O')) {
            c = QLatin1Char('0');
        }
    }
    return text;
}
// Tesseract reads best with glyphs about this tall, on a margin of background.
constexpr int TextPixels = 40;
constexpr int MarginPixels = 12;
// Darker than this is ink when the region is looked for.
constexpr int InkLevel = 160;

// The grey level that parts ink from ground best (Otsu's: the largest variance between the two).
int PartingLevel(const QImage& grey) {
    std::array<double, 256> counts{};
    for (int row = 0; row < grey.height(); ++row) {
        const uchar* line = grey.constScanLine(row);
        for (int column = 0; column < grey.width(); ++column) {
            counts[line[column]] += 1;
        }
    }
    const double total = static_cast<double>(grey.width()) * grey.height();
    double sumAll = 0;
    for (int level = 0; level < 256; ++level) {
        sumAll += level * counts[static_cast<std::size_t>(level)];
    }
    double below = 0;
    double sumBelow = 0;
    double bestSpread = -1;
    int best = InkLevel;
    for (int level = 0; level < 255; ++level) {
        below += counts[static_cast<std::size_t>(level)];
        sumBelow += level * counts[static_cast<std::size_t>(level)];
        const double above = total - below;
        if (below == 0 || above == 0) {
            continue;
        }
        const double meanBelow = sumBelow / below;
        const double meanAbove = (sumAll - sumBelow) / above;
        const double spread = below * above * (meanAbove - meanBelow) * (meanAbove - meanBelow);
        if (spread > bestSpread) {
            bestSpread = spread;
            best = level + 1;
        }
    }
    return best;
}

// The rows and columns that hold anything darker than the ground.
QRect InkBox(const QImage& grey) {
    int left = grey.width();
    int right = -1;
    int top = grey.height();
    int bottom = -1;
    for (int row = 0; row < grey.height(); ++row) {
        const uchar* line = grey.constScanLine(row);
        for (int column = 0; column < grey.width(); ++column) {
            if (line[column] < InkLevel) {
                left = std::min(left, column);
                right = std::max(right, column);
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

QImage PreparedLabel(const QImage& label) {
    const QImage grey = label.convertToFormat(QImage::Format_Grayscale8);
    const QRect ink = InkBox(grey);
    if (ink.isEmpty()) {
        return {};
    }
    const double scale = static_cast<double>(TextPixels) / std::max(ink.height(), 1);
    const QImage text =
        grey.copy(ink).scaled(std::max(1, static_cast<int>(std::lround(ink.width() * scale))),
                              TextPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage prepared(text.width() + 2 * MarginPixels, text.height() + 2 * MarginPixels,
                    QImage::Format_Grayscale8);
    prepared.fill(255);
    // Black on white: the faint halo that antialiasing and JPEG leave around glyphs would
    // otherwise swallow a decimal point.
    const int level = PartingLevel(text);
    for (int row = 0; row < text.height(); ++row) {
        const uchar* from = text.constScanLine(row);
        uchar* to = prepared.scanLine(row + MarginPixels) + MarginPixels;
        for (int column = 0; column < text.width(); ++column) {
            to[column] = from[column] < level ? 0 : 255;
        }
    }
    return prepared;
}

LabelOcr::LabelOcr() : m_api(std::make_unique<tesseract::TessBaseAPI>()) {
    // Tesseract finds its model in the system's data folder; a failure leaves it unready.
    if (m_api->Init(nullptr, "eng", tesseract::OEM_LSTM_ONLY) != 0) {
        return;
    }
    m_api->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    m_api->SetVariable("tessedit_char_whitelist", Alphabet);
    m_api->SetVariable("debug_file", "/dev/null");
    // Labels are dark on light (PreparedLabel makes them so): no second reading of each
    // line inverted.
    m_api->SetVariable("tessedit_do_invert", "0");
    m_ready = true;
}

LabelOcr::~LabelOcr() {
    if (m_api) {
        m_api->End();
    }
}

QString LabelOcr::Read(const QImage& label) {
    if (!m_ready) {
        return {};
    }
    const QImage prepared = PreparedLabel(label);
    if (prepared.isNull()) {
        return {};
    }
    m_api->SetImage(prepared.constBits(), prepared.width(), prepared.height(), 1,
                    static_cast<int>(prepared.bytesPerLine()));
    m_api->SetSourceResolution(300);
    const std::unique_ptr<char[]> text(m_api->GetUTF8Text());
    return text ? AsDigits(QString::fromUtf8(text.get()).trimmed()) : QString();
}
