// The options window's pages and how they are filled from the settings.

#include "windows/options/frmOptions.h"

#include "core/NumberText.h"
#include "core/ShownText.h"
#include "layout/Twips.h"
#include "picture/DrawnPicture.h"
#include "session/Session.h"
#include "windows/shared/PointerImages.h"
#include "windows/shared/WindowGeometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel* Text(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Only the long notes wrap; a wrapped caption beside a control gets clipped.
    label->setWordWrap(text.size() > 60);
    return label;
}

} // namespace

frmOptions::frmOptions(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_session(session), m_desktop(desktop), m_main(main) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tbsOptions"));
    m_tabs->addTab(CreateAxisPage(), QStringLiteral("Axis"));
    m_tabs->addTab(CreateAutoReadPage(), QStringLiteral("AutoRead"));
    m_tabs->addTab(CreateInterpolationPage(), QStringLiteral("Interpolation"));
    m_tabs->addTab(CreatePointersPage(), QStringLiteral("Pointers"));
    auto* apply = new QPushButton(QStringLiteral("&Apply"), this);
    apply->setObjectName(QStringLiteral("cmdApply"));
    connect(apply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(apply);
    side->addStretch();
    layout->addLayout(side);

    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages, wrapping at both ends.
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QShortcut::activated, this, [this] { SelectTab(1); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    previous->setContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QShortcut::activated, this, [this] { SelectTab(-1); });

    Form_Load();
}

void frmOptions::PaintSample(QFrame& sample, PackedColor color) {
    QPalette colors = sample.palette();
    colors.setColor(QPalette::Window, color.ToQColor());
    sample.setPalette(colors);
    sample.setProperty("packedColor", color.Packed());
}

QFrame* frmOptions::Sample(const char* name, PackedColor color) {
    auto* sample = new QFrame(this);
    sample->setObjectName(QString::fromLatin1(name));
    sample->setFrameShape(QFrame::Box);
    sample->setAutoFillBackground(true);
    sample->setMinimumSize(40, 20);
    PaintSample(*sample, color);
    return sample;
}

QPushButton* frmOptions::ColourButton(const char* name, const QString& caption, QFrame* sample) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [this, sample] {
        QueColor(*sample);
        cmdApply_Click();
    });
    return button;
}

QWidget* frmOptions::CreateAxisPage() {
    auto* page = new QWidget(this);
    auto* axis = new QGroupBox(QStringLiteral("Axis Scale"), page);
    axis->setObjectName(QStringLiteral("fraSample1"));
    m_checkXLog = new QCheckBox(QStringLiteral("X - Axis is Log"), axis);
    m_checkXLog->setObjectName(QStringLiteral("CheckXLog"));
    m_checkYLog = new QCheckBox(QStringLiteral("Y - Axis is Log"), axis);
    m_checkYLog->setObjectName(QStringLiteral("CheckYLog"));
    m_note = Text("Label1", {}, axis);
    m_chkSnap = new QCheckBox(QStringLiteral("Snap clicks to the mark under the pointer"), axis);
    m_chkSnap->setObjectName(QStringLiteral("chkSnap"));
    m_txtSnapTolerance = new QLineEdit(axis);
    m_txtSnapTolerance->setObjectName(QStringLiteral("TxtSnapTolerance"));
    m_txtSnapTolerance->setMaximumWidth(50);
    auto* snapTolerance = new QHBoxLayout;
    snapTolerance->addWidget(Text("LabelSnapTolerance", QStringLiteral("Snap tolerance"), axis));
    snapTolerance->addWidget(m_txtSnapTolerance);
    snapTolerance->addStretch();
    m_cboReferenceFit = new QComboBox(axis);
    m_cboReferenceFit->setObjectName(QStringLiteral("cboReferenceFit"));
    m_cboReferenceFit->addItems({QStringLiteral("Affine, or projective where it fits far better"),
                                 QStringLiteral("Affine (scans)"),
                                 QStringLiteral("Projective (photographed pages)")});
    auto* referenceFit = new QHBoxLayout;
    referenceFit->addWidget(Text("LabelReferenceFit", QStringLiteral("Four or more points"), axis));
    referenceFit->addWidget(m_cboReferenceFit, 1);
    connect(m_cboReferenceFit, &QComboBox::activated, this, &frmOptions::cmdApply_Click);
    auto* axisLayout = new QVBoxLayout(axis);
    axisLayout->addWidget(m_checkXLog);
    axisLayout->addWidget(m_checkYLog);
    axisLayout->addWidget(m_note);
    axisLayout->addWidget(m_chkSnap);
    axisLayout->addLayout(snapTolerance);
    axisLayout->addLayout(referenceFit);
    for (QCheckBox* box : {m_checkXLog, m_checkYLog, m_chkSnap}) {
        connect(box, &QCheckBox::clicked, this, &frmOptions::cmdApply_Click);
    }
    connect(m_txtSnapTolerance, &QLineEdit::textChanged, this, &frmOptions::cmdApply_Click);

    auto* scaling = new QGroupBox(QStringLiteral("Scaling Points"), page);
    scaling->setObjectName(QStringLiteral("Frame2"));
    QFrame* scaleSample = Sample("frameScaleColor", m_session.settings.ScaleColor);
    auto* scalingLayout = new QHBoxLayout(scaling);
    scalingLayout->addWidget(scaleSample);
    scalingLayout->addWidget(
        ColourButton("cmdScaleColor", QStringLiteral("&Scale Points"), scaleSample));

    auto* guidance = new QGroupBox(QStringLiteral("Guidance Points"), page);
    guidance->setObjectName(QStringLiteral("Frame4"));
    QFrame* pointsSample = Sample("framePointsColor", m_session.settings.PointsColor);
    auto* pointsButton = new QPushButton(QStringLiteral("&Points Color"), guidance);
    pointsButton->setObjectName(QStringLiteral("cmdPointsColor"));
    connect(pointsButton, &QPushButton::clicked, this, [this, pointsSample] {
        QueColor(*pointsSample);
        DrawDotSample();
        cmdApply_Click();
    });
    m_txtRadius = new QLineEdit(QStringLiteral("3"), guidance);
    m_txtRadius->setObjectName(QStringLiteral("TxtRadius"));
    m_txtRadius->setMaximumWidth(50);
    m_pictureSample = Text("PictureSample", {}, guidance);
    m_pictureSample->setFixedSize(32, 32);
    auto* guidanceLayout = new QGridLayout(guidance);
    guidanceLayout->addWidget(pointsSample, 0, 0);
    guidanceLayout->addWidget(pointsButton, 0, 1);
    guidanceLayout->addWidget(m_txtRadius, 1, 0);
    guidanceLayout->addWidget(m_pictureSample, 1, 1);
    guidanceLayout->addWidget(
        Text("Label3", QStringLiteral("Dot size to indicate points position"), guidance), 2, 0, 1,
        2);
    connect(m_txtRadius, &QLineEdit::textChanged, this, &frmOptions::TxtRadius_Change);

    auto* scalePicture = new QPushButton(QStringLiteral("Scale Picture"), page);
    scalePicture->setObjectName(QStringLiteral("cmdScalePicture"));
    connect(scalePicture, &QPushButton::clicked, this, &frmOptions::cmdScalePicture_Click);

    auto* layout = new QGridLayout(page);
    layout->addWidget(axis, 0, 0, 2, 1);
    layout->addWidget(scaling, 0, 1);
    layout->addWidget(scalePicture, 1, 1);
    layout->addWidget(guidance, 0, 2, 2, 1);
    return page;
}

QWidget* frmOptions::CreateAutoReadPage() {
    auto* page = new QWidget(this);
    auto* colours = new QGroupBox(QStringLiteral("Colors"), page);
    colours->setObjectName(QStringLiteral("Frame1"));
    QFrame* dataSample = Sample("frameARdataColor", m_session.settings.ARDataColor);
    auto* pick = new QPushButton(QStringLiteral("Pick &Data Color"), colours);
    pick->setObjectName(QStringLiteral("cmdARdataColor"));
    connect(pick, &QPushButton::clicked, this, &frmOptions::cmdARdataColor_Click);
    QFrame* pointSample = Sample("frameARpointColor", m_session.settings.ARPointColor);
    m_tolerance = new QLineEdit(colours);
    m_tolerance->setObjectName(QStringLiteral("cmdARColorTolerance"));
    m_tolerance->setMaximumWidth(60);
    m_toleranceSlider = new QSlider(Qt::Horizontal, colours);
    m_toleranceSlider->setObjectName(QStringLiteral("ColorToleranceSlider"));
    m_toleranceSlider->setRange(0, 500);
    m_toleranceSlider->setTickInterval(50);
    m_toleranceSlider->setTickPosition(QSlider::TicksBelow);
    m_toleranceSlider->setPageStep(50);
    m_toleranceSlider->setSingleStep(10);
    m_toleranceSlider->setToolTip(QStringLiteral("Slide to select value for color tolerance"));
    m_tolMin = Sample("frmTolMin", {});
    m_tolMax = Sample("frmTolMax", {});
    auto* strip = new QHBoxLayout;
    strip->setSpacing(0);
    strip->addWidget(m_tolMin);
    for (int i = 0; i < 15; ++i) {
        m_tol[static_cast<size_t>(i)] =
            Sample(QStringLiteral("frmTOL%1").arg(i + 1).toLatin1().constData(), {});
        m_tol[static_cast<size_t>(i)]->setMinimumSize(12, 20);
        strip->addWidget(m_tol[static_cast<size_t>(i)]);
    }
    strip->addWidget(m_tolMax);
    auto* colourLayout = new QGridLayout(colours);
    colourLayout->addWidget(
        Text("Label7", QStringLiteral("Color of the points that you want to read:"), colours), 0,
        0);
    colourLayout->addWidget(dataSample, 0, 1);
    colourLayout->addWidget(pick, 0, 2);
    colourLayout->addWidget(
        Text("Label2", QStringLiteral("Color to indicate points found :"), colours), 1, 0);
    colourLayout->addWidget(pointSample, 1, 1);
    colourLayout->addWidget(
        ColourButton("cmdARpointColor", QStringLiteral("&Point Color"), pointSample), 1, 2);
    colourLayout->addWidget(
        Text("Label11", QStringLiteral("Color tolerance for points to be read:"), colours), 2, 0);
    colourLayout->addWidget(m_tolerance, 2, 1);
    colourLayout->addWidget(m_toleranceSlider, 2, 2);
    colourLayout->addLayout(strip, 3, 0, 1, 3);
    connect(m_tolerance, &QLineEdit::textChanged, this, &frmOptions::cmdARColorTolerance_Change);
    connect(m_toleranceSlider, &QSlider::valueChanged, this,
            [this](int value) { m_tolerance->setText(QString::number(value)); });

    auto* sweep = new QGroupBox(QStringLiteral("Sweep Density"), page);
    sweep->setObjectName(QStringLiteral("Frame6"));
    m_txtCols = new QLineEdit(QStringLiteral("50"), sweep);
    m_txtCols->setObjectName(QStringLiteral("TxtCols"));
    m_txtRows = new QLineEdit(QStringLiteral("50"), sweep);
    m_txtRows->setObjectName(QStringLiteral("TxtRows"));
    m_chkGrid =
        new QCheckBox(QStringLiteral("Show grid that will be used to Autoread points"), sweep);
    m_chkGrid->setObjectName(QStringLiteral("chkGrid"));
    m_chkGrid->setChecked(true);
    auto* guide = new QPushButton(QStringLiteral("Guide me"), sweep);
    guide->setObjectName(QStringLiteral("cmdPicSizeInfo"));
    auto* sweepLayout = new QGridLayout(sweep);
    sweepLayout->addWidget(Text("LabelCols", QStringLiteral("Columns"), sweep), 0, 0);
    sweepLayout->addWidget(m_txtCols, 0, 1);
    sweepLayout->addWidget(Text("LabelRows", QStringLiteral("Rows"), sweep), 1, 0);
    sweepLayout->addWidget(m_txtRows, 1, 1);
    sweepLayout->addWidget(guide, 0, 2);
    sweepLayout->addWidget(
        Text("Label10", QStringLiteral("Reading time is proportional to (Rows * Cols)"), sweep), 2,
        0, 1, 3);
    sweepLayout->addWidget(m_chkGrid, 3, 0, 1, 3);
    m_optEveryPosition = new QRadioButton(QStringLiteral("Every grid position"), sweep);
    m_optEveryPosition->setObjectName(QStringLiteral("optEveryPosition"));
    m_optCentreLine = new QRadioButton(QStringLiteral("Centre of the line in each column"), sweep);
    m_optCentreLine->setObjectName(QStringLiteral("optCentreLine"));
    sweepLayout->addWidget(m_optEveryPosition, 4, 0, 1, 3);
    sweepLayout->addWidget(m_optCentreLine, 5, 0, 1, 3);
    for (QRadioButton* option : {m_optEveryPosition, m_optCentreLine}) {
        connect(option, &QRadioButton::clicked, this, &frmOptions::cmdApply_Click);
    }
    for (QLineEdit* box : {m_txtCols, m_txtRows}) {
        // The preview comes after Apply, whose redraw of the points would wipe it at once.
        connect(box, &QLineEdit::textChanged, this, [this] {
            cmdApply_Click();
            ShowGrid();
        });
    }
    connect(m_chkGrid, &QCheckBox::clicked, this, &frmOptions::chkGrid_Click);
    connect(guide, &QPushButton::clicked, this, &frmOptions::cmdPicSizeInfo_Click);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(colours, 2);
    layout->addWidget(sweep, 1);
    return page;
}

QWidget* frmOptions::CreateInterpolationPage() {
    auto* page = new QWidget(this);
    auto* found = new QGroupBox(QStringLiteral("Points Found"), page);
    found->setObjectName(QStringLiteral("Frame3"));
    QFrame* splineSample = Sample("frameSplineColor", m_session.settings.SplineColor);
    auto* foundLayout = new QHBoxLayout(found);
    foundLayout->addWidget(splineSample);
    foundLayout->addWidget(
        ColourButton("cmdSplineColor", QStringLiteral("&Points Color"), splineSample));

    auto* settings = new QGroupBox(QStringLiteral("Interpolation Settings"), page);
    settings->setObjectName(QStringLiteral("Frame5"));
    m_optSplineX = new QRadioButton(QStringLiteral("X values"), settings);
    m_optSplineX->setObjectName(QStringLiteral("optSplineX"));
    m_optSplineX->setChecked(true);
    m_optSplineY = new QRadioButton(QStringLiteral("Y values"), settings);
    m_optSplineY->setObjectName(QStringLiteral("optSplineY"));
    m_txtSplinePoints = new QLineEdit(QStringLiteral("50"), settings);
    m_txtSplinePoints->setObjectName(QStringLiteral("txtSplinePoints"));
    m_txtSplinePoints->setMaximumWidth(60);
    auto* settingsLayout = new QGridLayout(settings);
    settingsLayout->addWidget(Text("Label6", QStringLiteral("Independant variable:"), settings), 0,
                              0);
    settingsLayout->addWidget(m_optSplineX, 0, 1);
    settingsLayout->addWidget(m_optSplineY, 0, 2);
    settingsLayout->addWidget(
        Text("Label5", QStringLiteral("Total number of points to be obtained:"), settings), 1, 0);
    settingsLayout->addWidget(m_txtSplinePoints, 1, 1);
    settingsLayout->addWidget(
        Text("Label4",
             QStringLiteral("Note:  This method should be used only to interpolate between points "
                            "that can be represented with a function."),
             settings),
        2, 0, 1, 3);
    for (QRadioButton* option : {m_optSplineX, m_optSplineY}) {
        connect(option, &QRadioButton::clicked, this, &frmOptions::cmdApply_Click);
    }
    connect(m_txtSplinePoints, &QLineEdit::textChanged, this, &frmOptions::cmdApply_Click);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(found, 1);
    layout->addWidget(settings, 2);
    return page;
}

QWidget* frmOptions::CreatePointersPage() {
    auto* page = new QWidget(this);
    auto* zoom = new QGroupBox(QStringLiteral("Grid for Zoom Window"), page);
    zoom->setObjectName(QStringLiteral("Frame8"));
    QFrame* lineSample = Sample("frameZoomLineColor", m_session.settings.ZoomLineColor);
    auto* zoomLayout = new QHBoxLayout(zoom);
    zoomLayout->addWidget(lineSample);
    zoomLayout->addWidget(
        ColourButton("cmdZoomLineColor", QStringLiteral("&Lines Color"), lineSample));

    auto* grid = new QGroupBox(QStringLiteral("Calibration Grid"), page);
    grid->setObjectName(QStringLiteral("FrameCalibrationGrid"));
    QFrame* gridSample =
        Sample("frameCalibrationGridColor", m_session.settings.CalibrationGridColor);
    auto* gridLayout = new QHBoxLayout(grid);
    gridLayout->addWidget(gridSample);
    gridLayout->addWidget(
        ColourButton("cmdCalibrationGridColor", QStringLiteral("&Grid Color"), gridSample));

    auto* undo = new QGroupBox(QStringLiteral("Undo Last Point"), page);
    undo->setObjectName(QStringLiteral("Frame7"));
    m_checkESCundo = new QCheckBox(QStringLiteral("ESC deletes last point"), undo);
    m_checkESCundo->setObjectName(QStringLiteral("checkESCundo"));
    m_checkESCundo->setChecked(true);
    auto* undoLayout = new QVBoxLayout(undo);
    undoLayout->addWidget(m_checkESCundo);
    connect(m_checkESCundo, &QCheckBox::clicked, this, &frmOptions::cmdApply_Click);

    auto* history = new QGroupBox(QStringLiteral("Undo and Redo"), page);
    history->setObjectName(QStringLiteral("FrameUndo"));
    m_txtUndoSteps = new QLineEdit(history);
    m_txtUndoSteps->setObjectName(QStringLiteral("TxtUndoSteps"));
    m_txtUndoMemory = new QLineEdit(history);
    m_txtUndoMemory->setObjectName(QStringLiteral("TxtUndoMemory"));
    auto* historyLayout = new QFormLayout(history);
    historyLayout->addRow(QStringLiteral("Steps kept"), m_txtUndoSteps);
    historyLayout->addRow(QStringLiteral("Memory (MB)"), m_txtUndoMemory);
    for (QLineEdit* box : {m_txtUndoSteps, m_txtUndoMemory}) {
        box->setMaximumWidth(60);
        connect(box, &QLineEdit::textChanged, this, &frmOptions::cmdApply_Click);
    }

    auto* pointer = new QGroupBox(QStringLiteral("Mouse Pointer Selector"), page);
    pointer->setObjectName(QStringLiteral("Frame13"));
    m_slider = new QSlider(Qt::Horizontal, pointer);
    m_slider->setObjectName(QStringLiteral("Slider"));
    // The colour picker, the last image, is not offered.
    m_slider->setRange(1, PointerImageCount - 1);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_imagePointer = Text("ImagePointer", {}, pointer);
    m_imagePointer->setFixedSize(36, 36);
    auto* pointerLayout = new QHBoxLayout(pointer);
    pointerLayout->addWidget(m_slider, 1);
    pointerLayout->addWidget(m_imagePointer);
    connect(m_slider, &QSlider::valueChanged, this, [this] {
        ShowPointerImage();
        cmdApply_Click();
    });

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(zoom);
    layout->addWidget(grid);
    layout->addWidget(undo);
    layout->addWidget(history);
    layout->addWidget(pointer, 1);
    return page;
}

void frmOptions::Form_Load() {
    m_note->setText(
        ShownText(QStringLiteral("Note:\r\n       Select Log Axis before scaling the picture.")));
    const QSize size(std::max(TwipsToPixels(9105), sizeHint().width()),
                     std::max(TwipsToPixels(3045), sizeHint().height()));
    PlaceFrame(
        *this,
        QRect(QPoint(0, ScreenGeometry().height() - static_cast<int>(1.6 * size.height())), size));
    m_tabs->setCurrentIndex(0);
    ShowSettings();
    connect(&m_session, &Session::SettingsChanged, this, [this] {
        if (!m_applying) {
            ShowSettings();
        }
    });
}

void frmOptions::ShowSettings() {
    m_loading = true;
    const Settings& s = m_session.settings;
    for (const auto& [name, color] :
         {std::pair{"frameScaleColor", s.ScaleColor}, std::pair{"framePointsColor", s.PointsColor},
          std::pair{"frameARdataColor", s.ARDataColor},
          std::pair{"frameARpointColor", s.ARPointColor},
          std::pair{"frameSplineColor", s.SplineColor},
          std::pair{"frameZoomLineColor", s.ZoomLineColor},
          std::pair{"frameCalibrationGridColor", s.CalibrationGridColor}}) {
        if (auto* sample = findChild<QFrame*>(QString::fromLatin1(name))) {
            PaintSample(*sample, color);
        }
    }
    m_txtSplinePoints->setText(PlainNumberText(static_cast<double>(s.SplinePoints)));
    m_txtRows->setText(PlainNumberText(static_cast<double>(s.GridRows)));
    m_txtCols->setText(PlainNumberText(static_cast<double>(s.GridCols)));
    m_tolerance->setText(PlainNumberText(static_cast<double>(s.ARColorTolerance)));
    m_checkXLog->setChecked(s.XLog);
    m_chkSnap->setChecked(s.SnapClicks);
    m_txtSnapTolerance->setText(PlainNumberText(static_cast<double>(s.SnapTolerance)));
    m_cboReferenceFit->setCurrentIndex(s.ReferenceFit);
    m_optEveryPosition->setChecked(!s.AutoReadCentreLine);
    m_optCentreLine->setChecked(s.AutoReadCentreLine);
    m_checkYLog->setChecked(s.YLog);
    m_checkESCundo->setChecked(s.EscUndo);
    m_txtUndoSteps->setText(QString::number(m_session.History().MostSteps()));
    m_txtUndoMemory->setText(QString::number(m_session.History().MostMegabytes()));
    m_optSplineX->setChecked(s.SplineOnX);
    m_optSplineY->setChecked(!s.SplineOnX);
    m_slider->setValue(s.PointerIndex);
    ShowPointerImage();
    m_sampleWidth = s.DotSize;
    m_txtRadius->setText(PaddedNumberText(static_cast<double>(s.DotSize)));
    DrawDotSample();
    cmdARColorTolerance_Change();
    m_loading = false;
}

void frmOptions::ShowPointerImage() {
    m_imagePointer->setPixmap(QPixmap::fromImage(PointerImage(m_slider->value())));
}

void frmOptions::DrawDotSample() {
    QImage sample(m_pictureSample->size(), QImage::Format_RGB32);
    sample.fill(palette().color(QPalette::Window));
    QPainter painter(&sample);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SampleColor("framePointsColor").ToQColor());
    const double radius = std::max(1, m_sampleWidth) / 2.0;
    painter.drawEllipse(QPointF(sample.width() / 2.0, sample.height() / 2.0), radius, radius);
    painter.end();
    m_pictureSample->setPixmap(QPixmap::fromImage(sample));
}

void frmOptions::SelectTab(int step) {
    const int count = m_tabs->count();
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
}

PackedColor frmOptions::SampleColor(const char* sampleName) const {
    const auto* sample = findChild<QFrame*>(QString::fromLatin1(sampleName));
    return PackedColor::FromPacked(sample != nullptr ? sample->property("packedColor").toInt() : 0);
}

void frmOptions::SetDataColorSample(int packedRead) {
    if (packedRead >= 0) {
        PaintSample(*findChild<QFrame*>(QStringLiteral("frameARdataColor")),
                    PackedColor::FromPacked(packedRead));
    }
}

PackedColor frmOptions::DataColorSample() const {
    return SampleColor("frameARdataColor");
}

void frmOptions::closeEvent(QCloseEvent* event) {
    // Closing unloads the window; opening it again fills it from the settings anew.
    event->accept();
    deleteLater();
}
