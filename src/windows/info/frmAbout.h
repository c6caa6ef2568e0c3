#pragma once

#include "platform/Desktop.h"
#include <QDialog>

class QLabel;

// The about box "About Kurvex 2013": what the program is, who wrote it, a mail link and the
// system information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(const Desktop& desktop, QWidget* parent = nullptr);

    void cmdSysInfo_Click();
    void MyUrl_Click();
    void picIcon_Click();
    QString SysInfoPath() const { return m_sysInfoPath; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Desktop m_desktop;
    QLabel* m_picIcon = nullptr;
    QLabel* m_myUrl = nullptr;
    QString m_sysInfoPath;
};

// The desktop's system information program, or empty text when there is none.
QString GetMsInfoPath();
