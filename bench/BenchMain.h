#pragma once

#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

// Runs the benchmarks under an application of the given kind on the offscreen platform; the
// program started again with the decoder's arguments decodes instead.
template <class Application> int RunBenchmarks(int argc, char** argv) {
    if (IsDecoderCall(argc, argv)) {
        return RunDecoderProcess(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application application(argc, argv);
    SetDecodeLimits();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Writes bytes to a file of the temporary folder and gives its path.
inline QString TempFile(const QString& name, const QByteArray& bytes) {
    const QString path = QDir::temp().filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}
