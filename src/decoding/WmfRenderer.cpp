// libwmf's headers define macros such as U8 and U16 that clash with Qt's, so they come after
// every Qt header and stay in this file alone.
#include "decoding/WmfRenderer.h"
#include "decoding/WmfHeader.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/gd/gd.h>

namespace {

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};

// libwmf leaves the image it drew to its caller but does not export gd's destructor; every
// block the image owns came from malloc: palette rows, the true-colour pixels and their row
// pointers, the polygon buffer, the line style and the clip list. Brush and tile images
// belong to the drawing, not to the image.
struct GdImageDeleter {
    void operator()(gdImage* image) const {
        if (image->pixels != nullptr) {
            for (int row = 0; row < image->sy; ++row) {
                std::free(image->pixels[row]);
            }
            std::free(image->pixels);
        }
        std::free(image->_tpixels);
        std::free(image->tpixels);
        std::free(image->polyInts);
        std::free(image->style);
        if (image->clip != nullptr) {
            std::free(image->clip->list);
            std::free(image->clip);
        }
        std::free(image);
    }
};

// libwmf marks transparent pixels with this alpha (gd's scale runs to 127).
constexpr int GdTransparent = 127;

} // namespace

bool LooksLikeWmf(const QByteArray& bytes) {
    if (bytes.size() < 18) {
        return false;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const bool placeable = data[0] == 0xD7 && data[1] == 0xCD && data[2] == 0xC6 && data[3] == 0x9A;
    // A plain metafile header: type 1 or 2, header size 9 words.
    const bool plain =
        (data[0] == 1 || data[0] == 2) && data[1] == 0 && data[2] == 9 && data[3] == 0;
    return placeable || plain;
}

QImage RenderWmf(const QByteArray& bytes, qint64 mostPixels, QSize* displaySize) {
    if (!LooksLikeWmf(bytes) || !WmfHeaderProblem(bytes).isEmpty()) {
        return {};
    }
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* rawApi = nullptr;
    if (wmf_api_create(&rawApi, flags, &options) != wmf_E_None) {
        if (rawApi != nullptr) {
            wmf_api_destroy(rawApi);
        }
        return {};
    }
    const std::unique_ptr<wmfAPI, ApiDeleter> api(rawApi);
    std::vector<unsigned char> copy(bytes.begin(), bytes.end());
    if (wmf_mem_open(api.get(), copy.data(), static_cast<long>(copy.size())) != wmf_E_None) {
        return {};
    }
    wmfD_Rect bbox{};
    if (wmf_scan(api.get(), 0, &bbox) != wmf_E_None) {
        return {};
    }
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_display_size(api.get(), &width, &height, 96, 96) != wmf_E_None || width == 0 ||
        height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu) {
        return {};
    }
    if (displaySize != nullptr) {
        *displaySize = QSize(static_cast<int>(width), static_cast<int>(height));
    }
    if (static_cast<qint64>(width) * height > mostPixels) {
        return {};
    }
    wmf_gd_t* device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    device->bbox = bbox;
    device->width = width;
    device->height = height;
    if (wmf_play(api.get(), 0, &bbox) != wmf_E_None || device->gd_image == nullptr) {
        return {};
    }
    const std::unique_ptr<gdImage, GdImageDeleter> drawn(static_cast<gdImage*>(device->gd_image));
    device->gd_image = nullptr;
    const int* pixels = wmf_gd_image_pixels(drawn.get());
    if (pixels == nullptr) {
        return {};
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (image.isNull()) {
        return {};
    }
    for (unsigned int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(row)));
        for (unsigned int column = 0; column < width; ++column) {
            const auto pixel = static_cast<unsigned int>(pixels[row * width + column]);
            const int alpha = static_cast<int>((pixel >> 24) & 0x7F);
            line[column] =
                alpha == GdTransparent ? qRgb(255, 255, 255) : (0xFF000000u | (pixel & 0xFFFFFF));
        }
    }
    return image;
}
