#pragma once

#include <QApplication>

#include <functional>

struct AppError;

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
    // How such an error is shown; until there is one it is written to the log.
    void SetErrorReport(std::function<void(const AppError&)> report) {
        m_report = std::move(report);
    }

private:
    void Report(const AppError& error);

    std::function<void(const AppError&)> m_report;
};
