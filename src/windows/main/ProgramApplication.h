#pragma once

#include <QApplication>

// The program's application object. Every event of the user reaches its window through
// notify(): a menu or toolbar command, a button of any window, a mouse or key handler on the
// picture, a timer. Memory a command cannot get (its size follows from what the user asked
// for), and an error no handler reported, end that command with the standard error box instead
// of ending the program with the user's table.
class ProgramApplication final : public QApplication {
    Q_OBJECT
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
