#include "project/ProjectZip.h"

#include <zip.h>

namespace {

// Takes the bytes a source built in memory.
QByteArray SourceBytes(zip_source_t* source) {
    if (zip_source_open(source) < 0) {
        return {};
    }
    QByteArray bytes;
    if (zip_source_seek(source, 0, SEEK_END) == 0) {
        const zip_int64_t size = zip_source_tell(source);
        if (size > 0 && zip_source_seek(source, 0, SEEK_SET) == 0) {
            bytes.resize(static_cast<qsizetype>(size));
            if (zip_source_read(source, bytes.data(), static_cast<zip_uint64_t>(size)) != size) {
                bytes.clear();
            }
        }
    }
    zip_source_close(source);
    return bytes;
}

} // namespace

QByteArray ZipContainer(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (target == nullptr) {
        zip_error_fini(&error);
        return {};
    }
    // The archive frees its source when it closes; the bytes are taken from it after that.
    zip_source_keep(target);
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    bool built = archive != nullptr;
    for (const ZipEntry& entry : entries) {
        if (!built) {
            break;
        }
        zip_source_t* data = zip_source_buffer(archive, entry.bytes.constData(),
                                               static_cast<zip_uint64_t>(entry.bytes.size()), 0);
        const zip_int64_t index =
            data == nullptr
                ? -1
                : zip_file_add(archive, entry.name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(data);
            built = false;
            break;
        }
        built = zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                         entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                         entry.compress ? 6 : 0) == 0;
    }
    QByteArray bytes;
    if (archive != nullptr) {
        if (built && zip_close(archive) == 0) {
            bytes = SourceBytes(target);
        } else {
            zip_discard(archive);
        }
    }
    zip_source_free(target);
    zip_error_fini(&error);
    return bytes;
}

ZipReader::ZipReader(const QByteArray& container) : m_bytes(container) {
    if (!m_bytes.startsWith("PK\x03\x04")) {
        return;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(
        m_bytes.constData(), static_cast<zip_uint64_t>(m_bytes.size()), 0, &error);
    if (source != nullptr) {
        m_archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error);
        if (m_archive == nullptr) {
            zip_source_free(source);
        }
    }
    zip_error_fini(&error);
}

ZipReader::~ZipReader() {
    if (m_archive != nullptr) {
        zip_discard(m_archive);
    }
}

bool ZipReader::Has(const QString& name) const {
    return m_archive != nullptr &&
           zip_name_locate(m_archive, name.toUtf8().constData(), ZIP_FL_ENC_UTF_8) >= 0;
}

std::optional<QByteArray> ZipReader::Read(const QString& name, qint64 mostBytes,
                                          Problem& problem) const {
    problem = Problem::None;
    if (m_archive == nullptr) {
        problem = Problem::NotAZip;
        return std::nullopt;
    }
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(m_archive, utf8.constData(), ZIP_FL_ENC_UTF_8, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        problem = Problem::Damaged;
        return std::nullopt;
    }
    if (stat.size > static_cast<zip_uint64_t>(mostBytes)) {
        problem = Problem::TooLarge;
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen(m_archive, utf8.constData(), ZIP_FL_ENC_UTF_8);
    if (file == nullptr) {
        problem = Problem::Damaged;
        return std::nullopt;
    }
    QByteArray bytes(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    zip_int64_t done = 0;
    while (done < static_cast<zip_int64_t>(stat.size)) {
        const zip_int64_t read =
            zip_fread(file, bytes.data() + done, stat.size - static_cast<zip_uint64_t>(done));
        if (read <= 0) {
            break;
        }
        done += read;
    }
    // Reading past the stated size checks that there is no more, and lets libzip check the CRC.
    char beyond = 0;
    const bool whole =
        done == static_cast<zip_int64_t>(stat.size) && zip_fread(file, &beyond, 1) == 0;
    zip_fclose(file);
    if (!whole) {
        problem = Problem::Damaged;
        return std::nullopt;
    }
    return bytes;
}
