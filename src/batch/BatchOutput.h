#pragma once

#include "batch/BatchReader.h"

#include <QByteArray>
#include <QSet>
#include <QString>

#include <vector>

// One unit of a batch run as the summary tells it.
struct BatchRecord {
    BatchUnit unit;
    UnitResult result;
    QString resultFile; // the CSV written, in the output folder; empty when none was
    double seconds = 0;
};

// The summary's line for a unit: one JSON object.
QByteArray SummaryLine(const BatchRecord& record);

inline const QString SummaryFileName = QStringLiteral("summary.jsonl");

// The output folder of a batch run. Every file is written whole or not at all (to a temporary
// file, then renamed). A file already there is overwritten only when an earlier run made it (its
// summary names it) or with --force.
class BatchOutput {
public:
    BatchOutput(QString folder, bool force) : m_folder(std::move(folder)), m_force(force) {}

    // Makes the folder and learns what an earlier run made there; the reason when it cannot,
    // or when a summary.jsonl is there that no run made.
    QString Prepare();
    // Writes <name>.csv; the reason when it cannot.
    QString WriteResult(const QString& name, const QByteArray& csv) const;
    QString WriteSummary(const std::vector<BatchRecord>& records) const;

private:
    QString Write(const QString& fileName, const QByteArray& bytes) const;

    QString m_folder;
    bool m_force = false;
    QSet<QString> m_made; // files an earlier run wrote
};
