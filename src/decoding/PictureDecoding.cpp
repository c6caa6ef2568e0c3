#include "decoding/PictureDecoding.h"

#include "decoding/ImagingDecoder.h"
#include "decoding/SvgPictures.h"

LoadedPicture DecodePictureFile(const QString& path, const PdfPageRequest& pdfPage) {
    if (IsPdfFile(path)) {
        return RenderPdfPage(ReadPictureFile(path), path, pdfPage);
    }
    if (IsSvgFile(path)) {
        return RenderSvgFile(ReadPictureFile(path), path);
    }
    if (path.toLower().contains(QStringLiteral(".png"))) {
        int width = -1;
        int height = -1;
        return {
            DecodeToPicture(path, width, height, 0xFFFFFF, false), PictureType::Bitmap, {}, {}, {}};
    }
    return LoadPictureFile(path);
}
