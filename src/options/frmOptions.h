#pragma once

#include <QWidget>

class QFrame;

// The options window "Options". Its controls mirror the settings; Apply stores them.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);

    // The sample of the auto-read data colour (a packed colour; -1 is ignored).
    void SetDataColorSample(int packedColor);
    int DataColorSample() const { return m_dataColor; }

    void cmdARColorTolerance_Change();
    // Stores the values of the controls in the settings.
    void cmdApply_Click();

private:
    QFrame* m_frameARdataColor = nullptr;
    int m_dataColor = 0;
};
