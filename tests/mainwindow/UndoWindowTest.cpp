#include "PictureFixture.h"

#include "session/UndoHistory.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>

namespace {

class Undo : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        History().Clear();
    }
    UndoHistory& History() { return App().session.History(); }
    QAction& Item(const char* name) { return Main().Item(name); }
    void Trigger(const char* name) { Item(name).trigger(); }
    QImage Drawn() { return App().session.Picture().DrawnImage(); }
    void RightDrag(std::initializer_list<QPoint> pixels) {
        const QPoint first = *pixels.begin();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(first),
                          Surface().mapToGlobal(QPointF(first)), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&Surface(), &press);
        for (const QPoint& pixel : pixels) {
            Move(Qt::RightButton, pixel);
            // Until the button is let go, the drag is no step.
            EXPECT_FALSE(History().CanUndo());
        }
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(first),
                            Surface().mapToGlobal(QPointF(first)), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&Surface(), &release);
    }
};

} // namespace

TEST_F(Undo, TheEditMenuNamesTheStepsWithTheirKeys) {
    EXPECT_EQ(Item("mnuEditUndo").text(), QStringLiteral("&Undo"));
    EXPECT_FALSE(Item("mnuEditUndo").isEnabled());
    EXPECT_FALSE(Item("mnuEditRedo").isEnabled());
    EXPECT_EQ(Item("mnuEditUndo").shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(Item("mnuEditRedo").shortcut(),
              QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace));
    // The keys of the other commands stay theirs.
    EXPECT_EQ(Item("mnuViewZoom").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Item("mnuDataAR").shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));

    Press(Qt::LeftButton, {50, 50});
    EXPECT_EQ(Item("mnuEditUndo").text(), QStringLiteral("&Undo Point"));
    EXPECT_TRUE(Item("mnuEditUndo").isEnabled());
    Trigger("mnuEditUndo");
    EXPECT_EQ(Table().PointCount(), 0);
    EXPECT_EQ(Item("mnuEditUndo").text(), QStringLiteral("&Undo"));
    EXPECT_EQ(Item("mnuEditRedo").text(), QStringLiteral("&Redo Point"));
    Trigger("mnuEditRedo");
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(Undo, MenuToolbarAndPopUpCommandsAreStepsNamedAfterTheirItems) {
    Press(Qt::LeftButton, {50, 50});
    Press(Qt::LeftButton, {20, 70});
    const QImage marked = Drawn();
    prompts->messageAnswers = {MessageAnswer::Yes};
    Trigger("mnuDataRemoveAll");
    EXPECT_EQ(History().UndoName(), QStringLiteral("Remove All Values"));
    EXPECT_EQ(Table().PointCount(), 0);
    Trigger("mnuEditUndo");
    EXPECT_EQ(Table().PointCount(), 2);
    EXPECT_EQ(Drawn(), marked) << "the markers come back with their points";

    QToolBar* toolbar = Main().findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    ASSERT_NE(toolbar, nullptr);
    auto* sortY = toolbar->findChild<QAction*>(QStringLiteral("tbButtonSortYX"));
    ASSERT_NE(sortY, nullptr);
    sortY->trigger();
    EXPECT_EQ(History().UndoName(), QStringLiteral("Sort Based on Y"));
    prompts->messageAnswers = {MessageAnswer::Yes};
    Trigger("mnuPopUpRemoveAll");
    EXPECT_EQ(History().UndoName(), QStringLiteral("Remove All Values"));
}

TEST_F(Undo, ADragIsOneStepAndEscapeIsOneToo) {
    RightDrag({{10, 10}, {30, 20}, {60, 40}});
    ASSERT_EQ(Table().PointCount(), 4);
    EXPECT_EQ(History().StepCount(), 1);
    EXPECT_EQ(History().UndoName(), QStringLiteral("Points"));

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&Surface(), &escape);
    EXPECT_EQ(Table().PointCount(), 3);
    EXPECT_EQ(History().UndoName(), QStringLiteral("Remove Last Point"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(Table().PointCount(), 4);
    Trigger("mnuEditUndo");
    EXPECT_EQ(Table().PointCount(), 0);
    EXPECT_FALSE(History().CanUndo());
}

TEST_F(Undo, ACalibrationIsAStepThatUndoTakesBack) {
    const CalibrationRecord before = App().session.calibration;
    EnterScaleMode();
    prompts->textAnswers = {QStringLiteral("0"), QStringLiteral("0")};
    Press(Qt::LeftButton, {20, 80});
    EXPECT_EQ(History().UndoName(), QStringLiteral("Reference Point"));
    prompts->textAnswers = {QStringLiteral("100"), QStringLiteral("50")};
    prompts->messageAnswers = {MessageAnswer::Yes};
    Press(Qt::LeftButton, {180, 20});
    EXPECT_EQ(History().UndoName(), QStringLiteral("Calibration"));
    const EdgeValues calibrated = Surface().Coordinates().Edges();
    EXPECT_NE(calibrated, before.Edges());
    Trigger("mnuEditUndo");
    EXPECT_NE(Surface().Coordinates().Edges(), calibrated);
    EXPECT_EQ(App().session.calibration.X2, Unset);
    Trigger("mnuEditUndo");
    EXPECT_EQ(App().session.calibration.X1, Unset);
    Trigger("mnuEditRedo");
    Trigger("mnuEditRedo");
    EXPECT_EQ(Surface().Coordinates().Edges(), calibrated);
}

TEST_F(Undo, TheOptionsSetTheLimitsAndALogAxisIsAStep) {
    Main().mnuViewOptions_Click();
    frmOptions& options = App().Options();
    options.TxtUndoSteps().setText(QStringLiteral("3"));
    options.TxtUndoMemory().setText(QStringLiteral("64"));
    EXPECT_EQ(History().MostSteps(), 3);
    EXPECT_EQ(History().MostMegabytes(), 64);
    // Beyond what the options take: said once, and the limit stays.
    options.TxtUndoSteps().setText(QStringLiteral("5000"));
    EXPECT_EQ(History().MostSteps(), 3);
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_TRUE(prompts->messages[0].text.startsWith(
        QStringLiteral("The number of steps Undo keeps can be at most 1000")));
    options.TxtUndoSteps().setText(QStringLiteral("3"));

    const bool xLog = App().session.settings.XLog;
    options.findChild<QCheckBox*>(QStringLiteral("CheckXLog"))->click();
    EXPECT_NE(App().session.settings.XLog, xLog);
    EXPECT_EQ(History().UndoName(), QStringLiteral("Options"));
    Trigger("mnuEditUndo");
    EXPECT_EQ(App().session.settings.XLog, xLog);
    EXPECT_EQ(options.findChild<QCheckBox*>(QStringLiteral("CheckXLog"))->isChecked(), xLog)
        << "the options window shows the axis as it is again";

    for (int point = 0; point < 5; ++point) {
        Press(Qt::LeftButton, {10 + 10 * point, 50});
    }
    EXPECT_EQ(History().StepCount(), 3);
}
