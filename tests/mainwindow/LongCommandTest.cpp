#include "windows/shared/LongCommand.h"
#include "AppFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace {

// Counts the user's input that reaches it.
class InputCounter : public QWidget {
public:
    int received = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::MouseButtonPress ||
            e->type() == QEvent::Close) {
            ++received;
        }
        return QWidget::event(e);
    }
};

void PostInput(QWidget& target, Qt::Key key) {
    QCoreApplication::postEvent(&target, new QKeyEvent(QEvent::KeyPress, key, Qt::ControlModifier));
    QCoreApplication::postEvent(&target,
                                new QMouseEvent(QEvent::MouseButtonPress, QPointF(1, 1),
                                                QPointF(1, 1), Qt::LeftButton, Qt::LeftButton, {}));
}

using LongCommands = AppFixture;

TEST_F(LongCommands, TheUsersOtherCommandsWaitOutsideAndEscapeStops) {
    InputCounter window;
    {
        LongCommand command;
        EXPECT_TRUE(LongCommand::IsRunning());
        PostInput(window, Qt::Key_V); // Ctrl+V, a click: a paste or a drop must not arrive
        QCoreApplication::postEvent(&window, new QCloseEvent);
        EXPECT_FALSE(command.StopRequested());
        EXPECT_EQ(window.received, 0);
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        // The command looks at the keyboard every so often, not at every call.
        QElapsedTimer patience;
        patience.start();
        while (!command.StopRequested() && patience.elapsed() < 5000) {
        }
        EXPECT_TRUE(command.Stopped());
        EXPECT_EQ(window.received, 0);
    }
    EXPECT_FALSE(LongCommand::IsRunning());
    PostInput(window, Qt::Key_V);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.received, 2) << "after the command, input reaches the windows again";
}

} // namespace
