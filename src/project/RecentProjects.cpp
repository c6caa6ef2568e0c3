#include "project/RecentProjects.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
const QString ListKey = QStringLiteral("recentProjects");
}

RecentProjects::RecentProjects(QString settingsFile) : m_settingsFile(std::move(settingsFile)) {}

QStringList RecentProjects::Paths() const {
    if (m_settingsFile.isEmpty()) {
        return {};
    }
    const QSettings settings(m_settingsFile, QSettings::IniFormat);
    QStringList paths;
    for (const QString& path : settings.value(ListKey).toStringList()) {
        if (!path.isEmpty() && !paths.contains(path) && paths.size() < Most) {
            paths << path;
        }
    }
    return paths;
}

void RecentProjects::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = Paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    Store(paths.mid(0, Most));
}

void RecentProjects::Remove(const QString& path) {
    QStringList paths = Paths();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    Store(paths);
}

void RecentProjects::Store(const QStringList& paths) {
    if (m_settingsFile.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(m_settingsFile).absolutePath());
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.setValue(ListKey, paths);
    settings.sync();
}

QString RecentProjectsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("recent.ini"));
}
