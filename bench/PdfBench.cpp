// A PDF page as a picture: rendering an A4 page at 300 dpi, alone and as the import runs it
// (in the decoder process), next to importing a PNG of the same size the same way.

#include "BenchMain.h"
#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PdfPages.h"
#include "decoding/PictureDecoding.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A page as journals print them: a framed plot with a grid, labelled ticks, three curves of
// a thousand segments each and a caption.
void DrawFigure(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF plot(90, 120, 430, 300);
    painter.setPen(QPen(Qt::lightGray, 0.5));
    for (int i = 0; i <= 10; ++i) {
        const double x = plot.left() + plot.width() * i / 10;
        const double y = plot.top() + plot.height() * i / 10;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x - 6, plot.bottom() + 14), QString::number(i * 10));
        painter.drawText(QPointF(plot.left() - 28, y + 4), QString::number(100 - i * 10));
        painter.setPen(QPen(Qt::lightGray, 0.5));
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(plot);
    const QColor colors[] = {Qt::red, Qt::blue, Qt::darkGreen};
    for (int curve = 0; curve < 3; ++curve) {
        QPainterPath path;
        for (int i = 0; i <= 1000; ++i) {
            const double t = i / 1000.0;
            const QPointF at(plot.left() + plot.width() * t,
                             plot.center().y() - plot.height() * 0.4 *
                                                     std::sin(6.28 * t * (curve + 1)) *
                                                     std::exp(-t * curve));
            i == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        painter.setPen(QPen(colors[curve], 1.2));
        painter.drawPath(path);
    }
    painter.drawText(QRectF(90, 450, 430, 60), Qt::TextWordWrap,
                     QStringLiteral("Figure 3. Damped oscillations at three frequencies; the "
                                    "amplitude falls with the damping of each curve."));
}

// Printed at 72 dots per inch without margins, so that painter units are points.
QByteArray FigurePage() {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter(&writer);
    DrawFigure(painter);
    painter.end();
    return bytes;
}

const QByteArray& Page() {
    static const QByteArray page = FigurePage();
    return page;
}

const QString& PageFile() {
    static const QString path = TempFile(QStringLiteral("kurvex-bench-figure.pdf"), Page());
    return path;
}

// The page rendered at 300 dpi, saved as PNG: the same picture the other way.
const QString& PngFile() {
    static const QString path = [] {
        const QString png = QDir::temp().filePath(QStringLiteral("kurvex-bench-figure.png"));
        RenderPdfPage(Page(), PageFile(), {}).image.save(png, "png");
        return png;
    }();
    return path;
}

void BM_RenderA4At300(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(RenderPdfPage(Page(), PageFile(), {}));
    }
}

void BM_ImportPdfPageA4At300(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeInChildProcess(PageFile(), {}, {}));
    }
}

void BM_ImportPdfPreview(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeInChildProcess(PageFile(), {}, {1, 0, true}));
    }
}

void BM_DecodePngSameSize(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodePictureFile(PngFile()));
    }
}

void BM_ImportPngSameSize(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeInChildProcess(PngFile(), {}));
    }
}

BENCHMARK(BM_RenderA4At300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePngSameSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPdfPageA4At300)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportPngSameSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportPdfPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The import benchmarks start this program again as the decoder.
int main(int argc, char** argv) {
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
