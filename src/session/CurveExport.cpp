#include "session/CurveExport.h"

#include "session/Session.h"

#include <functional>

namespace {

QString CsvField(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text != text.trimmed();
    if (!quoted) {
        return text;
    }
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString TabField(QString text) {
    for (const QChar breaking : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')}) {
        text.replace(breaking, QLatin1Char(' '));
    }
    return text;
}

QString AllCurvesText(const Session& session, QChar separator, const QString& lineEnd,
                      const std::function<QString(const QString&)>& field) {
    QString text = QStringLiteral("curve") + separator + QStringLiteral("x") + separator +
                   QStringLiteral("y") + lineEnd;
    for (int index = 0; index < session.CurveCount(); ++index) {
        const Curve& curve = session.CurveAt(index);
        const QString name = field(curve.name);
        const std::vector<DataTable::Row>& rows = curve.table->Rows();
        for (std::size_t row = 1; row < rows.size(); ++row) {
            text += name + separator + field(rows[row][1].trimmed()) + separator +
                    field(rows[row][2].trimmed()) + lineEnd;
        }
    }
    return text;
}

} // namespace

QByteArray AllCurvesCsv(const Session& session) {
    return AllCurvesText(session, QLatin1Char(','), QStringLiteral("\r\n"), CsvField).toUtf8();
}

QString AllCurvesTabText(const Session& session) {
    return AllCurvesText(session, QLatin1Char('\t'), QStringLiteral("\r\n"), TabField);
}
