#include "session/Session.h"

#include "core/Calibration.h"

const std::array<QString, Session::StatusTextCount> Session::InitialStatusTexts = {
    QStringLiteral("Data File"), QStringLiteral("Picture File"), QStringLiteral("X value"),
    QStringLiteral("Y value")};

Session::Session() : m_statusTexts(InitialStatusTexts) {}

QString Session::StatusText(int panel) const {
    if (panel < 1 || panel > StatusTextCount) {
        return {};
    }
    return m_statusTexts[static_cast<std::size_t>(panel - 1)];
}

void Session::SetStatusText(int panel, const QString& text) {
    if (panel < 1 || panel > StatusTextCount) {
        return;
    }
    m_statusTexts[static_cast<std::size_t>(panel - 1)] = text;
    emit StatusTextChanged(panel, text);
}

void Session::ApplySettings(const Settings& changed) {
    settings = changed;
    emit SettingsChanged();
}

void Session::KeepProjectPath(const QString& absolutePath, const QByteArray& fingerprint) {
    m_projectPath = absolutePath;
    m_savedProject = fingerprint;
}

void Session::ForgetProjectPath() {
    m_projectPath.clear();
    m_savedProject.clear();
}

void Session::ResetScale() {
    ResetCalibration(calibration);
    m_picture.SetScale(calibration.Edges());
}

void Session::ResetDocument() {
    DataFileName.clear();
    DataFileNameFromProject = false;
    ResetScale();
    m_picture.Erase();
    m_picture.ClearPicture();
    // Not quite the words of the start: a new picture says "Value" with a capital.
    SetStatusText(1, QStringLiteral("Data File"));
    SetStatusText(2, QStringLiteral("Picture File"));
    SetStatusText(3, QStringLiteral("X Value"));
    SetStatusText(4, QStringLiteral("Y Value"));
}
