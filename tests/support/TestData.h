#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// Files of tests/data, by their path below it.
inline QString Data(const char* name) {
    return QDir(QStringLiteral(KURVEX_TEST_DATA)).filePath(QString::fromLatin1(name));
}

// A file's bytes; none when it cannot be read.
inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray Bytes(const char* name) {
    return ReadFile(Data(name));
}

// Gives a test its own file with these bytes; false when it cannot be written.
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
