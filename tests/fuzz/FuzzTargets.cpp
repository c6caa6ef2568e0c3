#include "FuzzTargets.h"

#include "acquisition/DecoderReply.h"
#include "acquisition/Module2.h"
#include "acquisition/PictureFiles.h"
#include "acquisition/WmfHeader.h"
#include "acquisition/WmfRenderer.h"
#include "core/AppError.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdlib>

namespace {

QByteArray BytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void WmfHeader(const std::uint8_t* data, std::size_t size) {
    (void)WmfHeaderProblem(BytesOf(data, size));
}

// The reply arrives in two pieces, split where its first byte says.
void DecoderReply(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const std::size_t split = data[0] % size;
    DecoderReplyReader reader;
    reader.Feed(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(split));
    reader.Feed(reinterpret_cast<const char*>(data) + 1 + split,
                static_cast<qsizetype>(size - 1 - split));
    if (reader.Finish() == DecoderReplyReader::State::Picture) {
        const QImage& image = reader.Picture().image;
        if (image.isNull() ||
            static_cast<qint64>(image.width()) * image.height() > MostPicturePixels) {
            std::abort();
        }
    }
}

// Raster pictures as the decoder process reads them. Metafiles are drawn by a library that is
// kept in the decoder process because it cannot be trusted; only its header check runs here.
void PictureBytes(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = BytesOf(data, size);
    if (LooksLikeWmf(bytes)) {
        (void)WmfHeaderProblem(bytes);
        return;
    }
    try {
        const LoadedPicture loaded = LoadPictureBytes(bytes, QStringLiteral("fuzz"));
        if (static_cast<qint64>(loaded.image.width()) * loaded.image.height() >
            MostPicturePixels) {
            std::abort();
        }
    } catch (const AppError&) {
    }
}

// Typed and cell texts; every number the program writes must read back.
void NumberText(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data),
                                           static_cast<qsizetype>(size));
    try {
        (void)LeadingNumberValue(text);
    } catch (const AppError&) {
    }
    if (const auto number = WholeNumber(text)) {
        try {
            (void)LeadingNumberValue(PaddedNumberText(*number));
            (void)LeadingNumberValue(PlainNumberText(static_cast<float>(*number)));
        } catch (const AppError&) {
            std::abort();
        }
    }
}

constexpr FuzzTarget Targets[] = {
    {"wmf_header", WmfHeader},
    {"decoder_reply", DecoderReply},
    {"picture_bytes", PictureBytes},
    {"number_text", NumberText},
};

} // namespace

std::span<const FuzzTarget> FuzzTargets() {
    return Targets;
}

void FuzzInitialize(int* argc, char*** argv) {
    if (QCoreApplication::instance() == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication application(*argc, *argv);
        SetDecodeLimits();
    }
}
