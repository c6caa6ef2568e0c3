#include "acquisition/PictureLoading.h"

#include "acquisition/Module2.h"
#include "document/PictureSurface.h"

void LoadPictureInto(const QVariant& source, PictureSurface& surface, bool fit) {
    const int token = StartImaging();
    struct Stop {
        int token;
        ~Stop() { StopImaging(token); }
    } stop{token};
    int width = fit ? surface.width() : -1;
    int height = fit ? surface.height() : -1;
    const QImage picture = DecodeToPicture(source, width, height, 0xFFFFFF, false);
    if (!picture.isNull()) {
        surface.SetPicture(picture, PictureType::Bitmap);
    }
}
