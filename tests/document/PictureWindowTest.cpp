#include "PictureFixture.h"
#include "document/PointerImages.h"

#include <QLabel>
#include <QScrollBar>
#include <QSet>
#include <QTest>

namespace {

class PictureWindow : public PictureFixture {
protected:
    frmDocument& Window() { return App().Document(); }
    void ResizeWindow(QSize size) {
        Window().parentWidget()->resize(size);
        QCoreApplication::processEvents();
    }
};

TEST_F(PictureWindow, WidePictureScrollsSidewaysToItsRightEdge) {
    ResizeWindow({500, 400});
    LoadWhitePicture(3000, 50);
    QScrollBar& bar = Window().HScroll1();
    EXPECT_TRUE(bar.isVisibleTo(&Window()));
    EXPECT_FALSE(Window().VScroll1().isVisibleTo(&Window()));
    bar.setValue(bar.maximum());
    EXPECT_EQ(Surface().x() + Surface().width(), Window().Picture1().width())
        << "the right edge meets the viewport's right edge";
    // Scrolling moves the picture, not its coordinates.
    Move(Qt::NoButton, QPoint(2999, 0));
    EXPECT_EQ(Main().PanelText(3), QStringLiteral("X=  9.996667"));
}

TEST_F(PictureWindow, StripButtonsChangeColourAndUndoTheLastPoint) {
    Press(Qt::LeftButton, QPoint(10, 10));
    auto* undo = Window().findChild<QLabel*>(QStringLiteral("lblbutton2"));
    ASSERT_NE(undo, nullptr);
    for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(undo, other);
        EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseRelease(undo, other);
        EXPECT_EQ(Table().RowCount(), 2) << "only the left button clicks";
    }
    auto* picture4 = Window().findChild<QLabel*>(QStringLiteral("Picture4"));
    QTest::mouseClick(picture4, Qt::RightButton);
    EXPECT_TRUE(Main().Item("mnuViewImageToolbar").isChecked())
        << "the strip stays for the right button";
    QTest::mousePress(undo, Qt::LeftButton);
    EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseRelease(undo, Qt::LeftButton);
    EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Table().RowCount(), 1);
}

TEST(PointerImages, EachIsItsOwnDrawingInBlackOverWhite) {
    QSet<QByteArray> drawings;
    for (int number = 1; number <= PointerImageCount; ++number) {
        const QImage image = PointerImage(number);
        ASSERT_EQ(image.size(), QSize(32, 32));
        int black = 0;
        int white = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = image.pixel(x, y);
                black += qAlpha(pixel) == 255 && qGray(pixel) < 40 ? 1 : 0;
                white += qAlpha(pixel) > 128 && qGray(pixel) > 180 ? 1 : 0;
            }
        }
        EXPECT_GT(black, 10) << number;
        EXPECT_GT(white, 10) << number << ": a white rim shows the line on dark pictures";
        drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes())));
    }
    EXPECT_EQ(drawings.size(), PointerImageCount);
    // The plain cross-hair crosses at the hot spot, the picker's tip is at the bottom left.
    EXPECT_LT(qGray(PointerImage(1).pixel(15, 15)), 40);
    EXPECT_EQ(PointerCursor(1).hotSpot(), QPoint(15, 15));
    EXPECT_LT(qGray(PointerImage(ColourPickerPointer).pixel(2, 29)), 40);
    EXPECT_EQ(PointerCursor(ColourPickerPointer).hotSpot(), QPoint(1, 30));
}

} // namespace
