// Storing the settings and the actions of the options window.

#include "windows/options/frmOptions.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "extraction/ToleranceSwatches.h"
#include "platform/Prompts.h"
#include "session/GridDrawing.h"
#include "session/Session.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/PointerImages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>
#include <limits>
#include <optional>

namespace {

// A 32-bit whole number from a double, halves to even; nothing when it does not fit.
std::optional<int> WholeInt32(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int>::min() &&
          rounded <= std::numeric_limits<int>::max())) {
        return std::nullopt;
    }
    return static_cast<int>(rounded);
}

// The numeric prefix of a box as a 32-bit whole number; nothing when it is too large.
std::optional<int> PrefixInt32(const QLineEdit& box) {
    try {
        return WholeInt32(LeadingNumberValue(box.text()));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace

std::optional<int> frmOptions::BoundedNumber(const QLineEdit& box, int highest,
                                             const QString& what) {
    const std::optional<int> number = PrefixInt32(box);
    if (number && *number <= highest) {
        m_refusedTexts.erase(&box);
        return number;
    }
    if (m_refusedTexts[&box] != box.text()) {
        m_refusedTexts[&box] = box.text();
        m_desktop.prompts.ShowMessage(
            what + QStringLiteral(" can be at most ") + QString::number(highest) +
                QStringLiteral(". The setting keeps its value until the "
                               "box holds a number up to that."),
            QStringLiteral("Options"), MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return std::nullopt;
}

void frmOptions::cmdApply_Click() {
    if (m_loading) {
        return;
    }
    // A log axis turned on or off is a step of its own.
    const UndoStep step(m_session.History(), QStringLiteral("Options"));
    Settings& s = m_session.settings;
    s.XLog = m_checkXLog->isChecked();
    s.YLog = m_checkYLog->isChecked();
    s.EscUndo = m_checkESCundo->isChecked();
    s.SnapClicks = m_chkSnap->isChecked();
    s.AutoReadCentreLine = m_optCentreLine->isChecked();
    s.ReferenceFit = m_cboReferenceFit->currentIndex();
    s.ARPointColor = SampleColor("frameARpointColor");
    s.ZoomLineColor = SampleColor("frameZoomLineColor");
    s.CalibrationGridColor = SampleColor("frameCalibrationGridColor");
    s.ARDataColor = SampleColor("frameARdataColor");
    if (const auto tolerance = WholeNumber(m_tolerance->text())) {
        if (const auto whole = WholeInt32(*tolerance)) {
            s.ARColorTolerance = *whole;
        }
    }
    s.SplineColor = SampleColor("frameSplineColor");
    s.PointsColor = SampleColor("framePointsColor");
    s.DotSize = m_sampleWidth;
    m_session.Picture().SetDrawWidth(s.DotSize);
    s.ScaleColor = SampleColor("frameScaleColor");
    if (const auto rows = BoundedNumber(*m_txtRows, MostGridSteps,
                                        QStringLiteral("The number of rows of the sweep grid"))) {
        s.GridRows = *rows;
    }
    if (const auto cols = BoundedNumber(
            *m_txtCols, MostGridSteps, QStringLiteral("The number of columns of the sweep grid"))) {
        s.GridCols = *cols;
    }
    if (const auto points =
            BoundedNumber(*m_txtSplinePoints, MostSplinePoints,
                          QStringLiteral("The number of points to be interpolated"))) {
        s.SplinePoints = *points;
    }
    s.SplineOnX = m_optSplineX->isChecked();
    // A negative tolerance would never snap; none is taken below 0.
    if (const auto snap = BoundedNumber(*m_txtSnapTolerance, HighestSnapTolerance,
                                        QStringLiteral("The snap tolerance"))) {
        s.SnapTolerance = std::max(0, *snap);
    }
    s.PointerIndex = static_cast<std::int16_t>(m_slider->value());
    const auto steps = BoundedNumber(*m_txtUndoSteps, UndoHistory::LargestMostSteps,
                                     QStringLiteral("The number of steps Undo keeps"));
    const auto megabytes = BoundedNumber(*m_txtUndoMemory, UndoHistory::LargestMostMegabytes,
                                         QStringLiteral("The memory Undo keeps (MB)"));
    if (steps || megabytes) {
        UndoHistory& history = m_session.History();
        history.SetLimits(steps.value_or(history.MostSteps()),
                          megabytes.value_or(history.MostMegabytes()));
    }
    // The magnifier's lines and the picture's pointer follow.
    m_applying = true;
    m_session.SettingsEdited();
    m_applying = false;
    m_main.RunMenuCommand("mnuViewRefresh");
}

void frmOptions::cmdARColorTolerance_Change() {
    int half = 0;
    const std::optional<double> number = WholeNumber(m_tolerance->text());
    if (!number) {
        if (!m_loading) {
            m_session.settings.ARColorTolerance = 0;
        }
    } else {
        // A number outside 0..510 is replaced by the nearer limit, which runs this again.
        if (*number < 0) {
            m_tolerance->setText(QStringLiteral("0"));
            return;
        }
        if (*number > HighestTolerance) {
            m_tolerance->setText(QString::number(HighestTolerance));
            return;
        }
        const int whole = static_cast<int>(*number);
        if (m_toleranceSlider->value() != whole) {
            // The slider ends at 500: a box of 501 to 510 leaves it pinned there.
            const QSignalBlocker quiet(m_toleranceSlider);
            m_toleranceSlider->setValue(whole);
        }
        half = HalfTolerance(*number);
        if (!m_loading) {
            m_session.settings.ARColorTolerance = half;
        }
    }
    const ToleranceSwatches swatches = SwatchesFor(DataColorSample(), half);
    PaintSample(*m_tolMin, swatches.lowest);
    PaintSample(*m_tolMax, swatches.highest);
    for (size_t i = 0; i < m_tol.size(); ++i) {
        PaintSample(*m_tol[i], swatches.steps[i]);
    }
    cmdApply_Click();
}

void frmOptions::ShowGrid() {
    const auto cols = PrefixInt32(*m_txtCols);
    const auto rows = PrefixInt32(*m_txtRows);
    if (!cols || !rows || *cols < 1 || *rows < 1) {
        return;
    }
    SessionPicture& picture = m_session.Picture();
    picture.Erase();
    const QSize size = picture.Drawing().Size();
    DrawGrid(picture, static_cast<double>(size.height()) / *rows,
             static_cast<double>(size.width()) / *cols, MinimumSweepGridStep);
}

void frmOptions::QueColor(QFrame& sample) {
    if (const std::optional<PackedColor> chosen = m_desktop.prompts.AskColor(
            PackedColor::FromPacked(sample.property("packedColor").toInt()))) {
        PaintSample(sample, *chosen);
    }
}

void frmOptions::cmdARdataColor_Click() {
    m_desktop.prompts.ShowMessage(
        QStringLiteral("Click on the picture to select data point color.\r\nThis color will be "
                       "used to scan the picture and auto-read points"),
        QStringLiteral("Color Picker for AutoRead"), MessageIcon::Information, MessageButtons::Ok);
    m_session.PickColorMode = true;
    cmdARColorTolerance_Change();
    // The picture shows the colour picker's pointer until the pick.
    m_session.SettingsEdited();
}

void frmOptions::cmdPicSizeInfo_Click() {
    const QSize picture = m_session.Picture().Drawing().Size();
    m_txtCols->setText(PlainNumberText(static_cast<double>(picture.width() / 2)));
    m_txtRows->setText(PlainNumberText(static_cast<double>(picture.height() / 2)));
}

void frmOptions::cmdScalePicture_Click() {
    cmdApply_Click();
    m_main.RunMenuCommand("mnuPictureScale");
}

void frmOptions::chkGrid_Click() {
    if (m_chkGrid->isChecked()) {
        ShowGrid();
    } else {
        m_session.Picture().Erase();
    }
}

void frmOptions::TxtRadius_Change() {
    try {
        const double width = LeadingNumberValue(m_txtRadius->text().trimmed());
        // A width below one pixel leaves the one the picture has.
        if (width >= 1 &&
            BoundedNumber(*m_txtRadius, LargestDotSize, QStringLiteral("The size of a dot"))) {
            m_sampleWidth = static_cast<int>(std::nearbyint(width));
        }
    } catch (const AppError&) {
        BoundedNumber(*m_txtRadius, LargestDotSize, QStringLiteral("The size of a dot"));
    }
    DrawDotSample();
    cmdApply_Click();
}
