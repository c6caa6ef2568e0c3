#include "session/Session.h"

#include "core/Calibration.h"

#include <QSet>

#include <algorithm>
#include <utility>

const std::array<QString, Session::StatusTextCount> Session::InitialStatusTexts = {
    QStringLiteral("Data File"), QStringLiteral("Picture File"), QStringLiteral("X value"),
    QStringLiteral("Y value")};

Session::Session() : m_statusTexts(InitialStatusTexts) {
    m_curves.push_back(Curve{QStringLiteral("Curve 1"), std::nullopt});
    m_curves.back().id = ++m_lastCurveId;
    m_history.Clear();
}

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
    moreReferences.clear();
    MorePointsWanted = false;
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

std::optional<QString> Session::CurveNameProblem(const QString& name, int except) const {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        return QStringLiteral("A curve needs a name.");
    }
    for (int i = 0; i < CurveCount(); ++i) {
        if (i != except && CurveAt(i).name.compare(trimmed, Qt::CaseInsensitive) == 0) {
            return QStringLiteral("There is a curve named \"%1\" already.").arg(CurveAt(i).name);
        }
    }
    return std::nullopt;
}

QString Session::UnusedCurveName() const {
    QSet<QString> taken;
    for (const Curve& curve : m_curves) {
        taken.insert(curve.name.toCaseFolded());
    }
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("Curve %1").arg(n);
        if (!taken.contains(name.toCaseFolded())) {
            return name;
        }
    }
}

bool Session::AddCurve(const QString& name, std::optional<PackedColor> color) {
    if (CurveNameProblem(name) || CurveCount() >= MostCurves) {
        return false;
    }
    m_curves.push_back(Curve{name.trimmed(), color});
    m_curves.back().id = ++m_lastCurveId;
    emit CurvesChanged();
    SetCurrentCurve(CurveCount() - 1);
    return true;
}

void Session::SetCurrentCurve(int index) {
    if (index < 0 || index >= CurveCount() || index == m_current) {
        return;
    }
    m_current = index;
    emit CurrentCurveChanged();
}

bool Session::RenameCurve(int index, const QString& name) {
    if (index < 0 || index >= CurveCount() || CurveNameProblem(name, index)) {
        return false;
    }
    m_curves[static_cast<std::size_t>(index)].name = name.trimmed();
    emit CurvesChanged();
    return true;
}

void Session::SetCurveColor(int index, PackedColor color) {
    if (index >= 0 && index < CurveCount()) {
        m_curves[static_cast<std::size_t>(index)].color = color;
        emit CurvesChanged();
    }
}

void Session::SetCurveShown(int index, bool shown) {
    if (index >= 0 && index < CurveCount()) {
        m_curves[static_cast<std::size_t>(index)].shown = shown;
        emit CurvesChanged();
    }
}

bool Session::DeleteCurve(int index) {
    if (index < 0 || index >= CurveCount() || CurveCount() == 1) {
        return false;
    }
    // The removed table stays alive until the windows have turned to the current one.
    std::unique_ptr<DataTable> removed = std::move(m_curves[static_cast<std::size_t>(index)].table);
    m_curves.erase(m_curves.begin() + index);
    if (index < m_current || (index == m_current && m_current > 0)) {
        --m_current;
    }
    emit CurvesChanged();
    emit CurrentCurveChanged();
    return true;
}

bool Session::PointsOutsideCurrentCurve() const {
    for (int index = 0; index < CurveCount(); ++index) {
        if (index != m_current && CurveAt(index).table->PointCount() > 0) {
            return true;
        }
    }
    return false;
}

void Session::ReplaceCurves(std::vector<Curve> curves, int current) {
    if (curves.empty()) {
        curves.push_back(Curve{QStringLiteral("Curve 1"), std::nullopt});
    }
    for (Curve& curve : curves) {
        curve.id = ++m_lastCurveId;
    }
    // The old tables stay alive until the windows have turned to the new ones.
    const std::vector<Curve> old = std::exchange(m_curves, std::move(curves));
    m_current = std::clamp(current, 0, CurveCount() - 1);
    emit CurvesChanged();
    emit CurrentCurveChanged();
}

int Session::IndexOfCurve(std::uint64_t id) const {
    for (int index = 0; index < CurveCount(); ++index) {
        if (CurveAt(index).id == id) {
            return index;
        }
    }
    return -1;
}

void Session::ArrangeCurves(const std::vector<CurveLook>& looks, int current) {
    if (looks.empty()) {
        return;
    }
    const DataTable* currentTable = &Table();
    std::vector<Curve> arranged;
    arranged.reserve(looks.size());
    for (const CurveLook& look : looks) {
        const int index = IndexOfCurve(look.id);
        Curve curve = index >= 0 ? std::move(m_curves[static_cast<std::size_t>(index)]) : Curve{};
        curve.id = look.id;
        curve.name = look.name;
        curve.color = look.color;
        curve.shown = look.shown;
        m_lastCurveId = std::max(m_lastCurveId, look.id);
        arranged.push_back(std::move(curve));
    }
    // Curves left out stay alive until the windows have turned to the others.
    const std::vector<Curve> old = std::exchange(m_curves, std::move(arranged));
    m_current = std::clamp(current, 0, CurveCount() - 1);
    emit CurvesChanged();
    if (&Table() != currentTable) {
        emit CurrentCurveChanged();
    }
}
