#pragma once

#include "core/PackedColor.h"
#include "platform/Desktop.h"
#include <QWidget>

#include <array>
#include <map>
#include <optional>

class MainFrame;
class QCheckBox;
class QFrame;
class QLabel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class Session;

// The options window "Options": four pages (Axis, AutoRead, Interpolation, Pointers) whose
// controls mirror the settings. Almost every change stores all settings at once (Apply), so
// it takes effect immediately; "&Apply" does the same on request. Loading fills the controls
// from the settings and leaves the settings as they were.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    frmOptions(Session& session, const Desktop& desktop, MainFrame& main,
               QWidget* parent = nullptr);

    void cmdApply_Click();
    // Shows the settings in the controls again, after they changed outside the window (a
    // project was opened).
    void ShowSettings();
    // Keeps the tolerance number within 0..510, moves the slider, recolours the swatches and
    // applies.
    void cmdARColorTolerance_Change();
    // Previews the auto-read sweep grid over the picture.
    void ShowGrid();
    // Lets the user choose the colour of one sample.
    void QueColor(QFrame& sample);
    void cmdARdataColor_Click();
    void cmdPicSizeInfo_Click();
    void cmdScalePicture_Click();
    void chkGrid_Click();
    void TxtRadius_Change();

    // The data-colour sample, set by picking a colour from the picture: a packed number as
    // read there (-1, off the picture, is ignored).
    void SetDataColorSample(int packedRead);
    PackedColor DataColorSample() const;
    PackedColor SampleColor(const char* sampleName) const;

    QTabWidget& tbsOptions() { return *m_tabs; }
    QLineEdit& ToleranceBox() { return *m_tolerance; }
    QSlider& ToleranceSlider() { return *m_toleranceSlider; }
    QLineEdit& TxtCols() { return *m_txtCols; }
    QLineEdit& TxtRows() { return *m_txtRows; }
    QLineEdit& TxtRadius() { return *m_txtRadius; }
    QLineEdit& TxtSplinePoints() { return *m_txtSplinePoints; }
    QCheckBox& CheckXLog() { return *m_checkXLog; }
    QCheckBox& CheckYLog() { return *m_checkYLog; }
    QCheckBox& CheckEscUndo() { return *m_checkESCundo; }
    QCheckBox& ChkGrid() { return *m_chkGrid; }
    QCheckBox& ChkSnap() { return *m_chkSnap; }
    QLineEdit& TxtSnapTolerance() { return *m_txtSnapTolerance; }
    QLineEdit& TxtUndoSteps() { return *m_txtUndoSteps; }
    QLineEdit& TxtUndoMemory() { return *m_txtUndoMemory; }
    QRadioButton& OptCentreLine() { return *m_optCentreLine; }
    QRadioButton& OptSplineY() { return *m_optSplineY; }
    QSlider& PointerSlider() { return *m_slider; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Session& m_session;
    Desktop m_desktop;
    MainFrame& m_main;
    QWidget* CreateAxisPage();
    QWidget* CreateAutoReadPage();
    QWidget* CreateInterpolationPage();
    QWidget* CreatePointersPage();
    QFrame* Sample(const char* name, PackedColor color);
    // A sample shows its colour and keeps it as a packed value.
    static void PaintSample(QFrame& sample, PackedColor color);
    QPushButton* ColourButton(const char* name, const QString& caption, QFrame* sample);
    void Form_Load();
    void DrawDotSample();
    void ShowPointerImage();
    void SelectTab(int step);
    // The whole number in a box that Apply may store; nothing when the text cannot be read as
    // one or passes highest, and then the user hears why (once for each text typed). The box
    // keeps the text as typed, the setting its value.
    std::optional<int> BoundedNumber(const QLineEdit& box, int highest, const QString& what);

    QTabWidget* m_tabs = nullptr;
    QCheckBox* m_checkXLog = nullptr;
    QCheckBox* m_checkYLog = nullptr;
    QLabel* m_note = nullptr;
    QLineEdit* m_txtRadius = nullptr;
    QLabel* m_pictureSample = nullptr;
    int m_sampleWidth = 3;
    QLineEdit* m_tolerance = nullptr;
    QSlider* m_toleranceSlider = nullptr;
    QFrame* m_tolMin = nullptr;
    QFrame* m_tolMax = nullptr;
    std::array<QFrame*, 15> m_tol{};
    QLineEdit* m_txtCols = nullptr;
    QLineEdit* m_txtRows = nullptr;
    QCheckBox* m_chkGrid = nullptr;
    QRadioButton* m_optSplineX = nullptr;
    QRadioButton* m_optSplineY = nullptr;
    QLineEdit* m_txtSplinePoints = nullptr;
    QCheckBox* m_checkESCundo = nullptr;
    QSlider* m_slider = nullptr;
    QLabel* m_imagePointer = nullptr;
    // While the controls are filled from the settings, nothing is stored back.
    bool m_loading = true;
    // While Apply tells the session: the boxes already show what it says.
    bool m_applying = false;
    QCheckBox* m_chkSnap = nullptr;
    QLineEdit* m_txtSnapTolerance = nullptr;
    QLineEdit* m_txtUndoSteps = nullptr;
    QComboBox* m_cboReferenceFit = nullptr;
    QLineEdit* m_txtUndoMemory = nullptr;
    QRadioButton* m_optEveryPosition = nullptr;
    QRadioButton* m_optCentreLine = nullptr;
    std::map<const QLineEdit*, QString> m_refusedTexts;
};
