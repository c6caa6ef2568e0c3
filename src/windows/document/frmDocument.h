#pragma once

#include "picture/PictureType.h"
#include "platform/Desktop.h"
#include "recognition/AxesCalibration.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

struct DrawingSnap;
class LabelOcr;
class ButtonLabel;
class MainFrame;
class PictureSurface;
class QLabel;
class QScrollBar;
class QSizeGrip;
class Session;

// The picture window "Picture": the viewport Picture1 with the picture surface Picture2 in
// it, two scroll bars that move the picture (never its coordinates), the button strip
// Picture3 floating at the top left, and a size grip. It turns mouse and keyboard events on
// the picture into calibration and recording.
class frmDocument : public QWidget {
    Q_OBJECT
public:
    frmDocument(Session& session, const Desktop& desktop, MainFrame& main,
                QWidget* parent = nullptr);
    ~frmDocument() override;

    // Places the window beside the data window (of that width), 0.45 of the screen high,
    // reaching to the magnifier's left edge (when it shows) or else to the right edge of the
    // screen, and lays it out.
    void Form_Load(int dataWindowWidth, std::optional<int> zoomLeftEdge);
    // Lays out viewport, scroll bars and size grip; the picture goes back to the top left.
    void Form_Resize();

    void Picture2_MouseDown(int button, int shift, float x, float y);
    const QString& LastReferenceFitReport() const { return m_lastFitReport; }
    // The calibration grid over the picture, in the options' colour, on or off.
    void ShowCalibrationGrid(bool shown);
    // After a reference point's values: leave scale mode and calibrate, stay, or take more
    // points; from the third point on the question shows how well the points fit.
    void AskToLeaveScaleMode();
    void Picture2_MouseMove(int button, int shift, float x, float y);
    // Key code 27 (Escape) deletes the last point when EscUndo is on.
    void Form_KeyDown(int keyCode, int shift);
    void UndoLastPoint();
    // Data > Read Curve: the next click on the picture reads the line or the markers under it,
    // exactly, from a PDF page's or an SVG file's drawing. Refused, with a message, for a picture
    // without one. Escape gives it up.
    void StartReadCurve();
    bool ReadCurveWanted() const { return m_readCurveWanted; }
    // Picture > Auto Scale: finds the axes, reads their labels and shows the calibration it
    // would make over the picture; Enter takes it, Escape (or a click) leaves the calibration
    // as it was. Refused, with what could not be read, when an axis does not fit.
    void StartAutoScale();
    bool AutoScaleProposed() const { return m_autoScale.has_value(); }
    void lblbutton_Click(int index);

    // Turns the picture by a typed angle; Escape while it turns leaves the picture as it was.
    void RotatePicture();
    // Brings back the picture as it was before the last turn of this run, if any.
    void UndoRotate();
    void ForgetPictureBeforeRotation();
    bool Rotating() const { return m_rotating; }
    void SavePictureAs();

    PictureSurface& Picture2() { return *m_picture2; }
    QWidget& Picture1() { return *m_picture1; }
    QWidget& Picture3() { return *m_picture3; }
    QScrollBar& HScroll1() { return *m_hScroll1; }
    QScrollBar& VScroll1() { return *m_vScroll1; }

    static constexpr int EscapeKey = 27;

signals:
    // The picture was painted: what the screen shows of it may have changed.
    void PicturePainted();
    // While a click picks the auto-read colour: the colour under the pointer, and the one
    // clicked.
    void ColorPointed(int packedColor);
    void ColorPicked(int packedColor);
    // The residual table of the reference points shown last in scale mode, for the guide.
    void ReferenceFitReported(const QString& table);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Session& m_session;
    Desktop m_desktop;
    MainFrame& m_main;
    void CreateButtonStrip();
    void MouseLeftPicture();
    void ShowScaleCrossHair(float x, float y);
    void ClickInScaleMode(double x, double y);
    // Moves a click to the centre of the mark under it, when there is one; says so.
    void SnapClick(float& x, float& y);
    // Says in the status bar where a click (in picture coordinates) snapped to, and how far.
    void ShowSnapped(const QString& target, QPointF click, QPointF snapped);
    // Where a click at a position (in picture coordinates) goes on the picture's drawing, for a
    // PDF page or an SVG file: its nearest point, marker centre or stroke within the snap
    // radius.
    std::optional<DrawingSnap> DrawingSnapAt(double x, double y) const;
    // Moves a click there and says so; false when the picture has no drawing that near.
    bool SnapClickToDrawing(double& x, double& y);
    void AcceptAutoScale();
    void GiveUpAutoScale(const QString& said);
    // The label reader, loaded at the first Auto Scale.
    LabelOcr& Ocr();
    // Reads the line or markers of the drawing at a click into the current curve.
    void ReadCurveAt(double x, double y);
    // Records a point of a right-button drag; x and y come back as data values when a point
    // was recorded, for the caption.
    void RecordDragPoint(float& x, float& y);
    // Asks for the X or Y value of a reference point; an empty answer gives 0 and a warning.
    double AskReferenceValue(char axis, int pointNumber);

    QWidget* m_picture1 = nullptr;
    PictureSurface* m_picture2 = nullptr;
    QScrollBar* m_hScroll1 = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QWidget* m_picture3 = nullptr;
    std::array<ButtonLabel*, 4> m_lblbutton{};
    QLabel* m_picture4 = nullptr;
    QSizeGrip* m_label1 = nullptr;
    float m_lastDragX = 0;
    float m_lastDragY = 0;
    bool m_rotating = false;
    bool m_readCurveWanted = false;
    std::optional<ProposedCalibration> m_autoScale;
    std::unique_ptr<LabelOcr> m_ocr;
    QString m_lastFitReport;
};
