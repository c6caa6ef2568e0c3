#pragma once

#include "core/CalibrationRecord.h"
#include "core/Settings.h"
#include "session/Curve.h"
#include "session/SessionPicture.h"
#include "session/UndoHistory.h"
#include "table/DataTable.h"

#include <QByteArray>
#include <QObject>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One digitizing session, without windows: the picture with its drawing, the calibration, the
// options, the table of points, the data file, the project file and the status texts. Windows
// are handed the session, change it and listen to what it says changed; the command line uses
// it with no window at all.
class Session : public QObject {
    Q_OBJECT
public:
    // The status texts the session keeps (data file, picture file, X value, Y value), numbered
    // as the main window's status panels that show them.
    static constexpr int StatusTextCount = 4;

    // What they say when the program starts.
    static const std::array<QString, StatusTextCount> InitialStatusTexts;

    Session();

    Settings settings;
    CalibrationRecord calibration;
    // Reference points 3, 4, ... of the calibration (More Points); none for the two-point rule.
    std::vector<ExtraReference> moreReferences;
    // The user asked for more reference points: the next click in scale mode is one.
    bool MorePointsWanted = false;
    // Clicks mark reference points.
    bool ScaleModeOn = false;
    // The next click on the picture takes its colour as the auto-read data colour.
    bool PickColorMode = false;
    // The pointer is over the picture (the magnifier follows it only then).
    bool MouseOnPicture = false;
    // While clicks snap: where a click at the pointer would go, in picture pixels from the
    // pixel under the pointer; nothing where it would stay.
    std::optional<QPointF> SnapPreview;

    // The text of the last error box the program showed.
    QString MsgText;

    QString DataFileName;
    // The file type chosen in the dialog that named DataFileName (1 fixed columns, 2 comma,
    // 3 tab): Save and the save offered at exit write that file in its own layout, whatever
    // file dialog ran since.
    int DataFileType = 2;
    // The data file was named by an opened project, not by the user in this run: the first
    // write asks the user to confirm it, so that no file can choose what Save overwrites.
    bool DataFileNameFromProject = false;

    // Undo and Redo of the session's changes.
    UndoHistory& History() { return m_history; }
    const UndoHistory& History() const { return m_history; }

    SessionPicture& Picture() { return m_picture; }
    const SessionPicture& Picture() const { return m_picture; }
    // The current curve's table: every command on "the table" works on it.
    DataTable& Table() { return *CurrentCurve().table; }
    const DataTable& Table() const { return *CurrentCurve().table; }

    // The curves, in the order they were made; there is always at least one.
    int CurveCount() const { return static_cast<int>(m_curves.size()); }
    const Curve& CurveAt(int index) const { return m_curves.at(static_cast<std::size_t>(index)); }
    DataTable& TableOf(int index) { return *m_curves.at(static_cast<std::size_t>(index)).table; }
    int CurrentCurveIndex() const { return m_current; }
    const Curve& CurrentCurve() const { return CurveAt(m_current); }
    // Why a curve (other than the one at `except`) cannot take this name; nothing when it can.
    std::optional<QString> CurveNameProblem(const QString& name, int except = -1) const;
    // "Curve n" with the smallest n no curve has.
    QString UnusedCurveName() const;
    // Adds a curve after the others and makes it current; false, changing nothing, for a name
    // that CurveNameProblem refuses or past MostCurves.
    bool AddCurve(const QString& name, std::optional<PackedColor> color);
    void SetCurrentCurve(int index);
    bool RenameCurve(int index, const QString& name);
    void SetCurveColor(int index, PackedColor color);
    void SetCurveShown(int index, bool shown);
    // Removes a curve with its points; the last curve stays. The one before it becomes current.
    bool DeleteCurve(int index);
    // Whether a curve other than the current one holds points.
    bool PointsOutsideCurrentCurve() const;
    // Puts these curves in place of all the others (an opened project); an empty list leaves
    // one empty curve.
    void ReplaceCurves(std::vector<Curve> curves, int current);
    // The index of the curve with this id; -1 for none.
    int IndexOfCurve(std::uint64_t id) const;
    // Puts the curves in this order with these looks: a curve still here keeps its table, one
    // no longer here comes back empty under its old id (undo fills it). Curves not listed go.
    void ArrangeCurves(const std::vector<CurveLook>& looks, int current);

    // Status texts 1 to 4; other numbers are not the session's and give empty text.
    QString StatusText(int panel) const;
    void SetStatusText(int panel, const QString& text);

    // Back to the neutral frame: the reference points are forgotten and the picture maps to
    // x and y from 0 to 10.
    void ResetScale();
    // Ready for a new picture: forgets the data file, resets the scale, empties the picture and
    // puts the status texts back to their idle words. The table is left alone.
    void ResetDocument();

    // The options changed as a whole (an opened project): windows that show them take them
    // again.
    void ApplySettings(const Settings& changed);
    // The options were changed in place (the options dialog): windows that follow them do.
    void SettingsEdited() { emit SettingsChanged(); }

    // The project file the session was opened from or last saved to; empty for none.
    const QString& ProjectPath() const { return m_projectPath; }
    // What the session was when its project file was last opened or saved, as the project
    // layer fingerprints it.
    const QByteArray& SavedProjectFingerprint() const { return m_savedProject; }
    void KeepProjectPath(const QString& absolutePath, const QByteArray& fingerprint);
    void ForgetProjectPath();

signals:
    void StatusTextChanged(int panel, const QString& text);
    void SettingsChanged();
    // Another curve is current: Table() is another table.
    void CurrentCurveChanged();
    // A curve was added, removed, renamed, recoloured, shown or hidden.
    void CurvesChanged();

private:
    SessionPicture m_picture;
    std::vector<Curve> m_curves;
    int m_current = 0;
    std::uint64_t m_lastCurveId = 0;
    std::array<QString, StatusTextCount> m_statusTexts;
    QString m_projectPath;
    QByteArray m_savedProject;
    UndoHistory m_history{*this};
};
