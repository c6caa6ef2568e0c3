#pragma once

#include <QStringList>
#include <QWidget>

class MainFrame;
class QLabel;

// The guide "Step by Step": seven pages on the way of working with the program, one at a
// time; "Next Step" goes on and wraps from the last page to the first.
class frmTip : public QWidget {
    Q_OBJECT
public:
    frmTip(MainFrame& main, QWidget& pictureWindow, QWidget* parent = nullptr);

    static QStringList Pages();

    void DisplayCurrentTip();
    void NextTip();
    int CurrentTip() const { return m_currentTip; }
    QString TipText() const;
    // The reference points' residuals, shown with the page on scaling; empty for none.
    void ShowReferenceFitReport(const QString& report);

    void cmdOK_Click();
    void cmdHelp_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainFrame& m_main;
    QWidget& m_pictureWindow;
    void PlaceBesideThePicture();

    QStringList m_tips;
    QString m_fitReport;
    int m_currentTip = 1;
    QLabel* m_lblTipText = nullptr;
};
