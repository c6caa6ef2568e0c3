#include "PictureFixture.h"
#include "windows/shared/PointerImages.h"

#include <QLabel>
#include <QScrollBar>
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

TEST_F(PictureWindow, TheStripsUndoButtonTakesOnlyTheLeftButton) {
    Press(Qt::LeftButton, QPoint(10, 10));
    auto* undo = Window().findChild<QLabel*>(QStringLiteral("lblbutton2"));
    ASSERT_NE(undo, nullptr);
    for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(undo, other);
        EXPECT_EQ(Table().RowCount(), 2) << "only the left button clicks";
    }
    auto* picture4 = Window().findChild<QLabel*>(QStringLiteral("Picture4"));
    QTest::mouseClick(picture4, Qt::RightButton);
    EXPECT_TRUE(Main().Item("mnuViewImageToolbar").isChecked())
        << "the strip stays for the right button";
    QTest::mouseClick(undo, Qt::LeftButton);
    EXPECT_EQ(Table().RowCount(), 1);
}

// A click lands where the pointer's drawing points: the cross-hair's crossing, the picker's tip.
TEST(PointerImages, TheHotSpotIsWhereTheDrawingPoints) {
    EXPECT_LT(qGray(PointerImage(1).pixel(15, 15)), 40);
    EXPECT_EQ(PointerCursor(1).hotSpot(), QPoint(15, 15));
    EXPECT_LT(qGray(PointerImage(ColourPickerPointer).pixel(2, 29)), 40);
    EXPECT_EQ(PointerCursor(ColourPickerPointer).hotSpot(), QPoint(1, 30));
}

} // namespace
