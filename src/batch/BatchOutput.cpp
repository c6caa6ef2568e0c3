#include "batch/BatchOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

namespace {

// An earlier summary larger than this is no summary of ours: a run of a million inputs writes
// less.
constexpr qint64 MostSummaryBytes = 512LL * 1024 * 1024;

double Rounded(double value, int decimals) {
    const double unit = std::pow(10.0, decimals);
    return std::round(value * unit) / unit;
}

QJsonObject AxisObject(const AxisSummary& axis) {
    return {{QStringLiteral("log"), axis.logarithmic},
            {QStringLiteral("ticks"), axis.ticks},
            {QStringLiteral("worst_px"), Rounded(axis.worstPixels, 4)},
            {QStringLiteral("factor"), axis.factor}};
}

} // namespace

QByteArray SummaryLine(const BatchRecord& record) {
    const UnitResult& result = record.result;
    QJsonObject line{{QStringLiteral("input"), record.unit.path},
                     {QStringLiteral("status"),
                      result.read ? QStringLiteral("read") : QStringLiteral("refused")}};
    if (result.page > 0) {
        line.insert(QStringLiteral("page"), result.page);
    } else if (record.unit.page > 1) {
        line.insert(QStringLiteral("page"), record.unit.page);
    }
    line.insert(QStringLiteral("reason"), result.reason);
    line.insert(QStringLiteral("result"),
                record.resultFile.isEmpty() ? QJsonValue() : QJsonValue(record.resultFile));
    line.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(result.warnings));
    QJsonObject calibration;
    if (!result.calibration.isEmpty()) {
        calibration.insert(QStringLiteral("source"), result.calibration);
    }
    if (result.x && result.y) {
        calibration.insert(QStringLiteral("x"), AxisObject(*result.x));
        calibration.insert(QStringLiteral("y"), AxisObject(*result.y));
    }
    line.insert(QStringLiteral("calibration"), calibration);
    QJsonArray curves;
    for (const CurveSummary& curve : result.curves) {
        curves.append(QJsonObject{{QStringLiteral("name"), curve.name},
                                  {QStringLiteral("points"), static_cast<qint64>(curve.points)},
                                  {QStringLiteral("kind"), curve.markers ? QStringLiteral("markers")
                                                                         : QStringLiteral("line")},
                                  {QStringLiteral("exact"), curve.exact}});
    }
    line.insert(QStringLiteral("curves"), curves);
    line.insert(QStringLiteral("points"), static_cast<qint64>(result.points));
    line.insert(QStringLiteral("seconds"), Rounded(record.seconds, 3));
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

QString BatchOutput::Prepare() {
    if (!QDir().mkpath(m_folder)) {
        return QStringLiteral("the output folder %1 cannot be made").arg(m_folder);
    }
    QFile summary(QDir(m_folder).filePath(SummaryFileName));
    if (!summary.exists()) {
        return {};
    }
    bool ours = summary.size() <= MostSummaryBytes && summary.open(QIODevice::ReadOnly);
    while (ours && !summary.atEnd()) {
        const QByteArray text = summary.readLine().trimmed();
        if (text.isEmpty()) {
            continue;
        }
        const QJsonObject line = QJsonDocument::fromJson(text).object();
        ours = line.contains(QStringLiteral("input")) && line.contains(QStringLiteral("status"));
        const QString made = line.value(QStringLiteral("result")).toString();
        // Only plain names of this folder: a summary cannot vouch for files elsewhere.
        if (ours && !made.isEmpty() && QFileInfo(made).fileName() == made) {
            m_made.insert(made);
        }
    }
    if (!ours && !m_force) {
        return QStringLiteral("%1 is in the output folder and no batch run made it; --force "
                              "overwrites it")
            .arg(SummaryFileName);
    }
    m_made.insert(SummaryFileName);
    return {};
}

QString BatchOutput::Write(const QString& fileName, const QByteArray& bytes) const {
    const QString path = QDir(m_folder).filePath(fileName);
    if (QFileInfo::exists(path) && !m_force && !m_made.contains(fileName)) {
        return QStringLiteral("%1 is in the output folder and no batch run made it; --force "
                              "overwrites it")
            .arg(fileName);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    }
    return {};
}

QString BatchOutput::WriteResult(const QString& name, const QByteArray& csv) const {
    return Write(name + QStringLiteral(".csv"), csv);
}

QString BatchOutput::WriteSummary(const std::vector<BatchRecord>& records) const {
    QByteArray bytes;
    for (const BatchRecord& record : records) {
        bytes += SummaryLine(record);
    }
    return Write(SummaryFileName, bytes);
}
