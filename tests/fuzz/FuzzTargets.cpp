#include "FuzzTargets.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "decoding/DecoderReply.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PdfPages.h"
#include "decoding/PictureFiles.h"
#include "decoding/ScanFrame.h"
#include "decoding/SvgPictures.h"
#include "decoding/WmfHeader.h"
#include "decoding/WmfRenderer.h"
#include "drawing/DrawingFormat.h"
#include "project/ProjectFile.h"
#include "project/ProjectZip.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <vector>

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
        if (static_cast<qint64>(loaded.image.width()) * loaded.image.height() > MostPicturePixels) {
            std::abort();
        }
    } catch (const AppError&) {
    }
}

// PDF documents as the decoder process renders them; the first byte chooses the page. The
// preview keeps each rendering small, so the fuzzer spends its time in the parser.
void PdfPage(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    PdfPageRequest request;
    request.page = 1 + data[0] % 4;
    request.preview = true;
    try {
        const LoadedPicture page =
            RenderPdfPage(BytesOf(data + 1, size - 1), QStringLiteral("fuzz"), request);
        if (page.image.isNull() || page.image.width() > PdfPreviewSide + 1 ||
            page.image.height() > PdfPreviewSide + 1 || page.pdf.page != request.page ||
            page.pdf.page > page.pdf.pageCount) {
            std::abort();
        }
    } catch (const AppError&) {
    }
}

// A drawing as the decoder's reply and project files carry it. What reads must stay within the
// bounds, and what it writes must read back to the same bytes (texts that are no UTF-8 come
// back mended, so the first writing is the measure).
void DrawingBytesTarget(const std::uint8_t* data, std::size_t size) {
    const std::optional<VectorDrawing> drawing = ReadDrawingBytes(BytesOf(data, size));
    if (!drawing) {
        return;
    }
    const QByteArray written = DrawingBytes(*drawing);
    const std::optional<VectorDrawing> again = ReadDrawingBytes(written);
    if (drawing->paths.size() > MostDrawingPaths || drawing->texts.size() > MostDrawingTexts ||
        drawing->PointCount() > MostDrawingPoints || !again || DrawingBytes(*again) != written) {
        std::abort();
    }
}

// The drawing of a PDF page (first byte even) or an SVG file (odd), recorded as the decoder
// process records it, at a small resolution so that the fuzzer's time goes into the parsers
// and the recording. What is kept stays within the drawing's bounds.
void VectorPage(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const QByteArray bytes = BytesOf(data + 1, size - 1);
    try {
        const LoadedPicture page =
            data[0] % 2 == 0
                ? RenderPdfPage(bytes, QStringLiteral("fuzz"), {1, LeastPdfDotsPerInch, false})
                : RenderSvgFile(bytes, QStringLiteral("fuzz"), 0.25);
        if (!page.drawing || page.drawing->paths.size() > MostDrawingPaths ||
            page.drawing->PointCount() > MostDrawingPoints ||
            page.drawing->texts.size() > MostDrawingTexts) {
            std::abort();
        }
    } catch (const AppError&) {
    }
}

// Project files up to their picture, which the decoder process decodes like any picture. The
// fuzzer writes the entries' contents and the harness puts them in a container, so that every
// input is a well-formed archive and the fuzzer's work goes into the document and the drawing:
//   byte 0     which entries there are (1 project.json, 2 picture.png, 4 drawing.bin,
//              8 picture.wmf, 32 vectors.bin) and whether they are compressed (16)
//   then each entry present, in that order: its length (32 bits, little-endian), its bytes.
std::vector<ZipEntry> ProjectEntries(const std::uint8_t* data, std::size_t size) {
    struct Entry {
        std::uint8_t bit;
        const char* name;
    };
    static const Entry names[] = {{1, "project.json"},
                                  {2, "picture.png"},
                                  {4, "drawing.bin"},
                                  {8, "picture.wmf"},
                                  {32, "vectors.bin"}};
    std::vector<ZipEntry> entries;
    if (size == 0) {
        return entries;
    }
    const std::uint8_t present = data[0];
    const bool compress = (present & 16) != 0;
    std::size_t at = 1;
    for (const Entry& entry : names) {
        if ((present & entry.bit) == 0) {
            continue;
        }
        std::uint32_t length = 0;
        for (int byte = 0; byte < 4 && at < size; ++byte, ++at) {
            length |= static_cast<std::uint32_t>(data[at]) << (8 * byte);
        }
        const std::size_t taken = std::min<std::size_t>(length, size - at);
        entries.push_back({QString::fromLatin1(entry.name), BytesOf(data + at, taken), compress});
        at += taken;
    }
    return entries;
}

void ProjectReader(const std::uint8_t* data, std::size_t size) {
    const QByteArray container = ZipContainer(ProjectEntries(data, size));
    try {
        const ReadProject read = ReadProjectBytes(container, QStringLiteral("fuzz"));
        const Project& project = read.project;
        std::vector<int> tiles = project.drawnTiles;
        std::sort(tiles.begin(), tiles.end());
        std::size_t points = 0;
        for (const ProjectCurve& curve : project.curves) {
            if (curve.rows.empty()) {
                std::abort();
            }
            points += curve.rows.size() - 1;
        }
        if (project.curves.empty() || project.curves.size() > MostCurves ||
            points >= MostProjectRows || project.currentCurve < 0 ||
            project.currentCurve >= static_cast<int>(project.curves.size()) ||
            std::adjacent_find(tiles.begin(), tiles.end()) != tiles.end() ||
            project.drawnStrip.height() != 32 * static_cast<int>(project.drawnTiles.size())) {
            std::abort();
        }
    } catch (const AppError&) {
    }
}

// Typed and cell texts; every number the program writes must read back.
void NumberText(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
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

// A frame as a scanner sends it: its first five bytes choose the kind, depth, width, line
// length and line count; the rest are its samples.
void ScanFrameBytes(const std::uint8_t* data, std::size_t size) {
    if (size < 5) {
        return;
    }
    constexpr ScanFrame::Kind kinds[] = {ScanFrame::Kind::Grey, ScanFrame::Kind::Rgb,
                                         ScanFrame::Kind::Red, ScanFrame::Kind::Green,
                                         ScanFrame::Kind::Blue};
    constexpr int depths[] = {1, 8, 16, 12};
    const ScanFrame frame{kinds[data[0] % 5], depths[data[1] % 4], 1 + data[2] % 64, data[3] % 200,
                          1 + data[4] % 64};
    QImage image(frame.pixelsPerLine, frame.lines, QImage::Format_RGB32);
    image.fill(Qt::black);
    (void)StoreScanFrame(image, frame, data + 5, size - 5);
}

constexpr FuzzTarget Targets[] = {
    {"wmf_header", WmfHeader},         {"decoder_reply", DecoderReply},
    {"picture_bytes", PictureBytes},   {"number_text", NumberText},
    {"scan_frame", ScanFrameBytes},    {"pdf_page", PdfPage},
    {"project_reader", ProjectReader}, {"drawing_bytes", DrawingBytesTarget},
    {"vector_page", VectorPage},
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
