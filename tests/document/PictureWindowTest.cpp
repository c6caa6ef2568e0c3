#include "PictureFixture.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "table/DataTable.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
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

TEST_F(PictureWindow, SmallPictureShowsNoScrollBarsAndSitsTopLeft) {
    ResizeWindow({500, 400});
    LoadWhitePicture(100, 80);
    EXPECT_FALSE(Window().HScroll1().isVisibleTo(&Window()));
    EXPECT_FALSE(Window().VScroll1().isVisibleTo(&Window()));
    EXPECT_EQ(Surface().pos(), QPoint(0, 0));
}

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
    EXPECT_EQ(App().MainForm().PanelText(3), QStringLiteral("X=  9.996667"));
}

TEST_F(PictureWindow, TallPictureShowsOnlyTheVerticalBar) {
    ResizeWindow({500, 400});
    LoadWhitePicture(50, 5000);
    EXPECT_FALSE(Window().HScroll1().isVisibleTo(&Window()));
    EXPECT_TRUE(Window().VScroll1().isVisibleTo(&Window()));
    EXPECT_EQ(Window().VScroll1().maximum(), 5000 - Window().Picture1().height());
}

TEST_F(PictureWindow, ResizePutsThePictureBackAndRederivesTheRanges) {
    ResizeWindow({500, 400});
    LoadWhitePicture(3000, 3000);
    Window().HScroll1().setValue(700);
    Window().VScroll1().setValue(300);
    EXPECT_EQ(Surface().pos(), QPoint(-700, -300));
    ResizeWindow({600, 300});
    EXPECT_EQ(Surface().pos(), QPoint(0, 0));
    EXPECT_EQ(Window().HScroll1().maximum(), 3000 - Window().Picture1().width());
    EXPECT_EQ(Window().VScroll1().maximum(), 3000 - Window().Picture1().height());
}

TEST_F(PictureWindow, StripButtonsChangeColourAndUndoTheLastPoint) {
    Press(Qt::LeftButton, QPoint(10, 10));
    auto* undo = Window().findChild<QLabel*>(QStringLiteral("lblbutton2"));
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Last Point"));
    for (const Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(undo, other);
        EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QTest::mouseRelease(undo, other);
        EXPECT_EQ(Table().RowCount(), 2) << "only the left button clicks";
    }
    auto* picture4 = Window().findChild<QLabel*>(QStringLiteral("Picture4"));
    QTest::mouseClick(picture4, Qt::RightButton);
    EXPECT_TRUE(App().MainForm().Item("mnuViewImageToolbar").isChecked())
        << "the strip stays for the right button";
    QTest::mousePress(undo, Qt::LeftButton);
    EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseRelease(undo, Qt::LeftButton);
    EXPECT_EQ(undo->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Table().RowCount(), 1);
    const char* captions[] = {"Rotate", "Undo Rotate", "Undo Last Point", "Save Picture"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Window().findChild<QLabel*>(QStringLiteral("lblbutton%1").arg(i))->text(),
                  QString::fromLatin1(captions[i]));
    }
}

TEST_F(PictureWindow, SmallPictureHidesTheStripUntilTheViewMenuShowsIt) {
    auto* picture4 = Window().findChild<QLabel*>(QStringLiteral("Picture4"));
    ASSERT_NE(picture4, nullptr);
    QAction* item = App().MainForm().findChild<QAction*>(QStringLiteral("mnuViewImageToolbar"));
    EXPECT_TRUE(item->isChecked());
    QTest::mouseClick(picture4, Qt::LeftButton);
    EXPECT_FALSE(Window().Picture3().isVisibleTo(&Window()));
    EXPECT_FALSE(item->isChecked());
    item->trigger();
    EXPECT_TRUE(Window().Picture3().isVisibleTo(&Window()));
    EXPECT_TRUE(item->isChecked());
}

TEST_F(PictureWindow, LosingFocusStopsTheMagnifierFollowing) {
    Move(Qt::NoButton, QPoint(5, 5));
    ASSERT_TRUE(App().MouseOnPicture);
    emit Surface().FocusLost();
    EXPECT_FALSE(App().MouseOnPicture);
}

} // namespace
