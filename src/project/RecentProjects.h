#pragma once

#include <QString>
#include <QStringList>

// The project files opened or saved last, newest first, kept between runs in a small settings
// file of their own (the program's options are not kept between runs).
class RecentProjects {
public:
    static constexpr int Most = 5;

    explicit RecentProjects(QString settingsFile);

    QStringList Paths() const;
    // Puts a file first; the same file is never listed twice, and the sixth drops off.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Store(const QStringList& paths);

    QString m_settingsFile;
};

// Where the real program keeps its list: the user's configuration folder.
QString RecentProjectsFile();
