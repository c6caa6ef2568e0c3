#include "PictureFixture.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "windows/main/HelpWindow.h"
#include "windows/main/ToolbarIcons.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>

#include <new>
#include <stdexcept>

namespace {

class MainWindow : public PictureFixture {
protected:
};

// A window's handler of an event that runs out of memory.
class GreedyHandler : public QObject {
protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) {
            throw std::bad_alloc();
        }
        return QObject::event(event);
    }
};

// Memory a command cannot get ends the command with the error box, from whatever window or
// handler the user started it: an event's handler outside the menus, a timer. (Handlers that
// Qt's own widgets call in turn, a button's click, unwind through Qt's frames, which leave a few
// bytes behind; the sanitizer build's leak check would count them, so the test calls its own.)
TEST_F(MainWindow, OutOfMemoryAnywhereEndsTheCommandNotTheProgram) {
    AppendPointRow(Table(), 1.0f, 2.0f);
    GreedyHandler handler;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&handler, &event);
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Error #  7 was generated. \r") + OutOfMemoryError().description);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Error"));

    prompts->messages.clear();
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        throw std::length_error("vector");
    });
    for (int wait = 0; wait < 100 && !ran; ++wait) {
        QTest::qWait(10);
    }
    ASSERT_TRUE(ran);
    EXPECT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(Table().PointCount(), 1) << "the table stays";
}

TEST_F(MainWindow, MenuBarHoldsTheSevenMenus) {
    QStringList captions;
    for (QAction* action : Main().menuBar()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions,
              (QStringList{"&File", "&Edit", "&Picture", "&Data", "&View", "&Window", "&Help"}));
}

TEST_F(MainWindow, EveryCommandHasItsOwnIcon) {
    QSet<QByteArray> drawings;
    for (QAction* action : Main().tbToolBar().actions()) {
        const QImage image = action->icon().pixmap(24, 24).toImage();
        if (!action->isSeparator()) {
            drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                       static_cast<qsizetype>(image.sizeInBytes())));
        }
    }
    EXPECT_EQ(drawings.size(), 16);
    EXPECT_FALSE(ProgramIcon().pixmap(32, 32).isNull());
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("Unknown")).isNull());
}

TEST_F(MainWindow, HoveringTheToolbarShowsTheButtonsTooltip) {
    QToolBar& bar = Main().tbToolBar();
    bar.resize(bar.sizeHint());
    QCoreApplication::processEvents();
    QWidget* autoRead = bar.widgetForAction(bar.actions().at(14));
    ASSERT_NE(autoRead, nullptr);
    App().session.MouseOnPicture = true;
    QMouseEvent move(QEvent::MouseMove, QPointF(autoRead->width() / 2.0, 3), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(autoRead, &move);
    EXPECT_EQ(Main().PanelText(7), QStringLiteral("Autoread points"));
    EXPECT_FALSE(App().session.MouseOnPicture);
    EXPECT_EQ(Main().ButtonTip(static_cast<float>(autoRead->x()), 3), QString())
        << "the edge itself";
}

TEST_F(MainWindow, HelpWithoutAHelpFileSaysSo) {
    App().helpFile.clear();
    Main().mnuHelpContents_Click();
    Main().mnuHelpSearch_Click();
    ASSERT_EQ(prompts->messages.size(), 2u);
    for (const auto& box : prompts->messages) {
        EXPECT_EQ(box.text, QStringLiteral("Unable to display Help Contents. There is no Help "
                                           "associated with this project."));
    }
    EXPECT_EQ(Main().findChild<HelpWindow*>(), nullptr);
}

TEST_F(MainWindow, HelpOpensTheContentsOrAnEmptySearch) {
    Main().mnuHelpContents_Click();
    auto* help = Main().findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentPage(), QStringLiteral(":/help/index.html"));
    help->SearchField().setText(QStringLiteral("append"));
    EXPECT_EQ(help->Topics().count(), 2) << "saving and windows";
    Main().mnuHelpSearch_Click();
    EXPECT_TRUE(help->SearchField().text().isEmpty());
    EXPECT_EQ(help->Topics().count(), 7);
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(MainWindow, TheGuideHiddenKeepsItsPageAndClosedStartsAgain) {
    App().Tip().NextTip();
    Main().mnuViewSteps_Click();
    EXPECT_FALSE(App().Tip().isVisible());
    Main().mnuViewSteps_Click();
    EXPECT_EQ(App().Tip().CurrentTip(), 2);
    App().Tip().findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Main().Item("mnuViewSteps").isChecked());
    Main().mnuViewSteps_Click();
    EXPECT_EQ(App().Tip().CurrentTip(), 1);
}

} // namespace
