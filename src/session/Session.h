#pragma once

#include "core/CalibrationRecord.h"
#include "core/Settings.h"
#include "session/SessionPicture.h"
#include "table/DataTable.h"

#include <QByteArray>
#include <QObject>
#include <QPointF>
#include <QString>

#include <array>
#include <optional>

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

    SessionPicture& Picture() { return m_picture; }
    const SessionPicture& Picture() const { return m_picture; }
    DataTable& Table() { return m_table; }
    const DataTable& Table() const { return m_table; }

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

private:
    SessionPicture m_picture;
    DataTable m_table;
    std::array<QString, StatusTextCount> m_statusTexts;
    QString m_projectPath;
    QByteArray m_savedProject;
};
