#include "layout/DefaultPositions.h"

#include <algorithm>

DefaultLayout ComputeDefaultPositions(QSizeF screen, QSizeF mainWindow, QSizeF guide) {
    const auto W = static_cast<float>(screen.width());
    const auto H = static_cast<float>(screen.height());
    const auto atLeast = [](float value) {
        return std::max(value, static_cast<float>(MinimumWindowTwips));
    };
    DefaultLayout layout;

    const float dataWidth = 7110;
    layout.data = QRectF(0, 0, dataWidth, atLeast(H - 6000));

    const float zoomSize = 2200;
    const float zoomLeft = W - 1.1f * zoomSize;
    layout.zoom = QRectF(zoomLeft, 0, zoomSize, zoomSize);

    const float pictureLeft = dataWidth + 50;
    layout.picture =
        QRectF(pictureLeft, 0, atLeast(zoomLeft - pictureLeft - 50), atLeast(0.45f * H));

    const float optionsHeight = 3045;
    layout.options = QRectF(0, std::max(0.0f, H - 1.6f * optionsHeight), 9105, optionsHeight);

    const auto guideWidth = static_cast<float>(guide.width());
    const auto guideHeight = static_cast<float>(guide.height());
    const auto mainWidth = static_cast<float>(mainWindow.width());
    const auto mainHeight = static_cast<float>(mainWindow.height());
    const float guideLeft = mainWidth - 1.1f * guideWidth;
    const float pictureTop = static_cast<float>(layout.picture.top());
    const float pictureHeight = static_cast<float>(layout.picture.height());
    const float guideTop = (mainHeight - pictureTop + pictureHeight) / 2 - guideHeight / 2;
    layout.guide = QRectF(std::max(0.0f, guideLeft), std::max(0.0f, guideTop), 5505, 3750);
    return layout;
}

QPoint FrameOnScreen(const QRect& frame, const QRect& screen) {
    const int left =
        std::max(std::min(frame.left(), screen.right() + 1 - frame.width()), screen.left());
    const int top =
        std::max(std::min(frame.top(), screen.bottom() + 1 - frame.height()), screen.top());
    return {left, top};
}
