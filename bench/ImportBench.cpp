// Importing a 24-megapixel scan: the import should cost little more than the decoding alone.

#include "decoding/ImagingDecoder.h"
#include "decoding/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QString ScanFile(const char* format) {
    const QString path =
        QDir::temp().filePath(QStringLiteral("kurvex-bench-24mp.") + QString::fromLatin1(format));
    if (!QFileInfo::exists(path)) {
        QImage image(6000, 4000, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(QPen(Qt::blue, 5));
        for (int x = 0; x < 6000; x += 100) {
            painter.drawLine(x, 0, 6000 - x, 4000);
        }
        painter.end();
        image.save(path, format, format == std::string("png") ? 1 : 90);
    }
    return path;
}

void BM_DecodeAlone(benchmark::State& state, const char* format) {
    const QString path = ScanFile(format);
    SetDecodeLimits();
    for (auto _ : state) {
        QImageReader reader(path);
        benchmark::DoNotOptimize(reader.read());
    }
}

void BM_ImagingDecoder(benchmark::State& state, const char* format) {
    const QString path = ScanFile(format);
    StartImaging();
    for (auto _ : state) {
        int width = -1;
        int height = -1;
        benchmark::DoNotOptimize(DecodeToPicture(path, width, height, 0xFFFFFF, false));
    }
}

void BM_GeneralLoader(benchmark::State& state, const char* format) {
    const QString path = ScanFile(format);
    StartImaging();
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadPictureFile(path));
    }
}

BENCHMARK_CAPTURE(BM_DecodeAlone, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImagingDecoder, png, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DecodeAlone, jpeg, "jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GeneralLoader, jpeg, "jpg")->Unit(benchmark::kMillisecond);

} // namespace
