#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// The ZIP container of a project file, built and read in memory through libzip.

struct ZipEntry {
    QString name;
    QByteArray bytes;
    bool compress = true; // false for entries that are compressed already (PNG)
};

// The container holding the entries in this order; empty when libzip cannot build it.
QByteArray ZipContainer(const std::vector<ZipEntry>& entries);

// Reads a container's entries. Each entry is read only when its stated size is at most the
// limit given for its name; the others are not read at all.
class ZipReader {
public:
    enum class Problem { None, NotAZip, TooLarge, Damaged };

    explicit ZipReader(const QByteArray& container);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    bool IsOpen() const { return m_archive != nullptr; }
    bool Has(const QString& name) const;
    // The entry's bytes; nothing with the problem set when it is larger than mostBytes says or
    // its data is damaged.
    std::optional<QByteArray> Read(const QString& name, qint64 mostBytes, Problem& problem) const;

private:
    QByteArray m_bytes;
    struct zip* m_archive = nullptr;
};
