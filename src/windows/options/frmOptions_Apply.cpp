// Storing the settings and the actions of the options window.

#include "windows/options/frmOptions.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "extraction/ToleranceSwatches.h"
#include "platform/Prompts.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/PointerImages.h"
#include "windows/document/frmDocument.h"
#include "windows/main/frmMain.h"
#include "windows/shared/AppState.h"
#include "windows/zoom/GridDrawing.h"
#include "windows/zoom/frmZoom.h"

#include <QCheckBox>
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
        App().prompts().ShowMessage(
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
    Settings& s = App().settings;
    s.XLog = m_checkXLog->isChecked();
    s.YLog = m_checkYLog->isChecked();
    s.EscUndo = m_checkESCundo->isChecked();
    s.SnapClicks = m_chkSnap->isChecked();
    s.AutoReadCentreLine = m_optCentreLine->isChecked();
    s.ARPointColor = SampleColor("frameARpointColor");
    s.ZoomLineColor = SampleColor("frameZoomLineColor");
    App().Zoom().SetLineColor(s.ZoomLineColor);
    s.ARDataColor = SampleColor("frameARdataColor");
    if (const auto tolerance = WholeNumber(m_tolerance->text())) {
        if (const auto whole = WholeInt32(*tolerance)) {
            s.ARColorTolerance = *whole;
        }
    }
    s.SplineColor = SampleColor("frameSplineColor");
    s.PointsColor = SampleColor("framePointsColor");
    s.DotSize = m_sampleWidth;
    PictureSurface& picture = App().Document().Picture2();
    picture.SetDrawWidth(s.DotSize);
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
    picture.SetPointerIndex(s.PointerIndex);
    App().MainForm().mnuViewRefresh_Click();
}

void frmOptions::cmdARColorTolerance_Change() {
    int half = 0;
    const std::optional<double> number = WholeNumber(m_tolerance->text());
    if (!number) {
        if (!m_loading) {
            App().settings.ARColorTolerance = 0;
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
            App().settings.ARColorTolerance = half;
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
    PictureSurface& picture = App().Document().Picture2();
    picture.Erase();
    DrawGrid(picture, static_cast<double>(picture.height()) / *rows,
             static_cast<double>(picture.width()) / *cols, MinimumSweepGridStep);
}

void frmOptions::QueColor(QFrame& sample) {
    if (const std::optional<int> chosen =
            App().prompts().AskColor(sample.property("packedColor").toInt())) {
        PaintSample(sample, *chosen);
    }
}

void frmOptions::cmdARdataColor_Click() {
    App().prompts().ShowMessage(
        QStringLiteral("Click on the picture to select data point color.\r\nThis color will be "
                       "used to scan the picture and auto-read points"),
        QStringLiteral("Color Picker for AutoRead"), MessageIcon::Information, MessageButtons::Ok);
    App().PickColorMode = true;
    App().Document().Picture2().SetPointerIndex(ColourPickerPointer);
    cmdARColorTolerance_Change();
    // Apply gave the picture the chosen pointer again; the next click is a colour pick.
    App().Document().Picture2().SetPointerIndex(ColourPickerPointer);
}

void frmOptions::cmdPicSizeInfo_Click() {
    const PictureSurface& picture = App().Document().Picture2();
    m_txtCols->setText(PlainNumberText(static_cast<double>(picture.width() / 2)));
    m_txtRows->setText(PlainNumberText(static_cast<double>(picture.height() / 2)));
}

void frmOptions::cmdScalePicture_Click() {
    cmdApply_Click();
    App().MainForm().mnuPictureScale_Click();
}

void frmOptions::chkGrid_Click() {
    if (m_chkGrid->isChecked()) {
        ShowGrid();
    } else {
        App().Document().Picture2().Erase();
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
