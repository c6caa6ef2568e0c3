#include "session/UndoHistory.h"

#include "session/Session.h"

#include <QSet>

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <utility>

namespace {

using Row = DataTable::Row;
using Rows = std::vector<Row>;
using TileList = std::vector<std::pair<std::size_t, DrawnPicture::Tile>>;
constexpr std::int64_t TileBytes =
    static_cast<std::int64_t>(DrawnPicture::TileSize) * DrawnPicture::TileSize * sizeof(QRgb);
constexpr std::int64_t Megabyte = 1024 * 1024;

bool SameText(const QString& a, const QString& b) {
    // Texts copied from one another share their characters: no need to compare them.
    return (a.size() == b.size() && a.constData() == b.constData()) || a == b;
}

bool SameRow(const Row& a, const Row& b) {
    return SameText(a[0], b[0]) && SameText(a[1], b[1]) && SameText(a[2], b[2]);
}

std::int64_t RowBytes(const Rows& rows) {
    std::int64_t bytes = static_cast<std::int64_t>(rows.size() * sizeof(Row));
    for (const Row& row : rows) {
        for (const QString& text : row) {
            bytes += text.size() * static_cast<std::int64_t>(sizeof(QChar));
        }
    }
    return bytes;
}

void Splice(Rows& rows, std::size_t first, std::size_t count, const Rows& replacement) {
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(first),
               rows.begin() + static_cast<std::ptrdiff_t>(first + count));
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(first), replacement.begin(),
                replacement.end());
}

bool SameCalibration(const CalibrationRecord& a, const CalibrationRecord& b) {
    // Bit for bit: a value typed again as the same number is no change, and no NaN hides one.
    return std::memcmp(&a, &b, sizeof(CalibrationRecord)) == 0;
}

// The same edges and fitted map; the picture's size is the picture's part of the state.
bool SameFrame(const UserCoordinates& a, const UserCoordinates& b) {
    return a.Edges() == b.Edges() && a.Fitted() == b.Fitted();
}

bool SameImage(const QImage& a, const QImage& b) {
    if (a.cacheKey() == b.cacheKey()) {
        return true;
    }
    if (a.size() != b.size() || a.format() != b.format() || a.bytesPerLine() != b.bytesPerLine()) {
        return false;
    }
    return std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) ==
           0;
}

bool SameTile(const DrawnPicture::Tile& a, const DrawnPicture::Tile& b) {
    if (a == b) {
        return true;
    }
    return a && b && std::memcmp(a.get(), b.get(), static_cast<std::size_t>(TileBytes)) == 0;
}

TileList DrawnTiles(const DrawnPicture::Tiles& tiles) {
    TileList drawn;
    for (std::size_t index = 0; index < tiles.size(); ++index) {
        if (tiles[index]) {
            drawn.emplace_back(index, tiles[index]);
        }
    }
    return drawn;
}

} // namespace

// The picture as undo keeps it.
struct PictureState {
    QImage image;
    PictureType type = PictureType::None;
    QByteArray originalBytes;
    SessionPicture::SharedVectors vectors;
    std::optional<SessionPicture::Kept> beforeRotation;
    QString fileText; // the picture file's status text

    static PictureState Of(const Session& session) {
        const SessionPicture& picture = session.Picture();
        return {picture.Picture(), picture.Type(),           picture.OriginalBytes(),
                picture.Vectors(), picture.BeforeRotation(), session.StatusText(2)};
    }

    bool SameAs(const PictureState& other) const {
        // A drawing is never changed in place: another drawing is another object.
        if (type != other.type || fileText != other.fileText || vectors != other.vectors ||
            beforeRotation.has_value() != other.beforeRotation.has_value()) {
            return false;
        }
        if (beforeRotation && (beforeRotation->type != other.beforeRotation->type ||
                               beforeRotation->vectors != other.beforeRotation->vectors ||
                               !SameImage(beforeRotation->image, other.beforeRotation->image))) {
            return false;
        }
        // Without a picture the placeholder shows, whatever its pixels.
        return type == PictureType::None ||
               (originalBytes == other.originalBytes && SameImage(image, other.image));
    }
};

struct UndoHistory::State {
    struct TableCopy {
        Rows rows;
        bool frozen = false;
        const DataTable* table = nullptr;
        std::uint64_t revision = 0;
    };

    std::vector<CurveLook> curves;
    int current = 0;
    std::map<std::uint64_t, TableCopy> tables;
    CalibrationRecord calibration;
    std::vector<ExtraReference> moreReferences;
    UserCoordinates coordinates;
    bool xLog = false;
    bool yLog = false;
    PictureState picture;
    DrawnPicture::Tiles tiles;
};

struct UndoHistory::Step {
    struct RowChange {
        std::uint64_t curve = 0;
        std::size_t first = 0;
        Rows before; // rows [first, first + before.size()) before the step
        Rows after;  // what took their place
        bool frozenBefore = false;
        bool frozenAfter = false;
    };

    QString what;
    std::vector<CurveLook> curvesBefore, curvesAfter;
    int currentBefore = 0, currentAfter = 0;
    std::vector<RowChange> rows;
    CalibrationRecord calibrationBefore, calibrationAfter;
    std::vector<ExtraReference> moreBefore, moreAfter;
    UserCoordinates coordinatesBefore, coordinatesAfter;
    bool xLogBefore = false, xLogAfter = false, yLogBefore = false, yLogAfter = false;
    // Both when the picture changed; its drawing is then kept whole on both sides.
    std::optional<PictureState> pictureBefore, pictureAfter;
    TileList tilesBefore, tilesAfter;
    std::int64_t bytes = 0; // rows and tiles; pictures are counted once across the steps
};

namespace {

std::vector<CurveLook> LooksOf(const Session& session) {
    std::vector<CurveLook> looks;
    for (int index = 0; index < session.CurveCount(); ++index) {
        const Curve& curve = session.CurveAt(index);
        looks.push_back({curve.id, curve.name, curve.color, curve.shown});
    }
    return looks;
}

} // namespace

UndoHistory::UndoHistory(Session& session) : m_session(session) {}

UndoHistory::~UndoHistory() = default;

void UndoHistory::Clear() {
    m_steps.clear();
    m_done = 0;
    m_state = std::make_unique<State>();
    TakeChanges({});
    emit Changed();
}

std::unique_ptr<UndoHistory::Step> UndoHistory::TakeChanges(const QString& what) {
    auto step = std::make_unique<Step>();
    step->what = what;
    State& state = *m_state;
    bool changed = false;

    step->curvesBefore = state.curves;
    step->currentBefore = state.current;
    state.curves = LooksOf(m_session);
    state.current = m_session.CurrentCurveIndex();
    step->curvesAfter = state.curves;
    step->currentAfter = state.current;
    // Another current curve alone is no change; a step takes it back with what it undoes.
    changed |= step->curvesBefore != step->curvesAfter;

    QSet<std::uint64_t> present;
    for (int index = 0; index < m_session.CurveCount(); ++index) {
        const Curve& curve = m_session.CurveAt(index);
        present.insert(curve.id);
        DataTable& table = m_session.TableOf(index);
        State::TableCopy& copy = state.tables[curve.id];
        if (copy.table == &table && copy.revision == table.Revision()) {
            continue;
        }
        const Rows& now = table.Rows();
        const std::size_t shorter = std::min(now.size(), copy.rows.size());
        // The copy is the table as it was when it was last marked unchanged: rows before the
        // first changed one are the same.
        std::size_t first =
            copy.table == &table
                ? std::min(static_cast<std::size_t>(table.FirstChangedRow()), shorter)
                : 0;
        while (first < shorter && SameRow(now[first], copy.rows[first])) {
            ++first;
        }
        std::size_t last = 0; // rows equal at the end
        while (last < shorter - first &&
               SameRow(now[now.size() - 1 - last], copy.rows[copy.rows.size() - 1 - last])) {
            ++last;
        }
        copy.table = &table;
        copy.revision = table.Revision();
        table.MarkUnchanged();
        const bool frozen = table.HeaderFrozen();
        if (first + last == now.size() && first + last == copy.rows.size() &&
            frozen == copy.frozen) {
            continue;
        }
        Step::RowChange change;
        change.curve = curve.id;
        change.first = first;
        change.before.assign(copy.rows.begin() + static_cast<std::ptrdiff_t>(first),
                             copy.rows.end() - static_cast<std::ptrdiff_t>(last));
        change.after.assign(now.begin() + static_cast<std::ptrdiff_t>(first),
                            now.end() - static_cast<std::ptrdiff_t>(last));
        change.frozenBefore = copy.frozen;
        change.frozenAfter = frozen;
        Splice(copy.rows, first, change.before.size(), change.after);
        copy.frozen = frozen;
        step->bytes += RowBytes(change.before) + RowBytes(change.after);
        step->rows.push_back(std::move(change));
        changed = true;
    }
    for (auto it = state.tables.begin(); it != state.tables.end();) {
        if (present.contains(it->first)) {
            ++it;
            continue;
        }
        // A curve gone: its rows come back with it.
        Step::RowChange change;
        change.curve = it->first;
        change.before = std::move(it->second.rows);
        change.frozenBefore = it->second.frozen;
        step->bytes += RowBytes(change.before);
        step->rows.push_back(std::move(change));
        it = state.tables.erase(it);
        changed = true;
    }

    step->calibrationBefore = state.calibration;
    step->moreBefore = state.moreReferences;
    step->coordinatesBefore = state.coordinates;
    step->xLogBefore = state.xLog;
    step->yLogBefore = state.yLog;
    state.calibration = m_session.calibration;
    state.moreReferences = m_session.moreReferences;
    state.coordinates = m_session.Picture().Coordinates();
    state.xLog = m_session.settings.XLog;
    state.yLog = m_session.settings.YLog;
    step->calibrationAfter = state.calibration;
    step->moreAfter = state.moreReferences;
    step->coordinatesAfter = state.coordinates;
    step->xLogAfter = state.xLog;
    step->yLogAfter = state.yLog;
    changed |= !SameCalibration(step->calibrationBefore, step->calibrationAfter) ||
               step->moreBefore != step->moreAfter ||
               !SameFrame(step->coordinatesBefore, step->coordinatesAfter) ||
               step->xLogBefore != step->xLogAfter || step->yLogBefore != step->yLogAfter;

    PictureState picture = PictureState::Of(m_session);
    const DrawnPicture::Tiles& tiles = m_session.Picture().Drawing().SharedTiles();
    if (!picture.SameAs(state.picture)) {
        step->pictureBefore = std::move(state.picture);
        step->pictureAfter = picture;
        state.picture = std::move(picture);
        step->tilesBefore = DrawnTiles(state.tiles);
        step->tilesAfter = DrawnTiles(tiles);
        state.tiles = tiles;
        changed = true;
    } else {
        // The picture's own data is kept as it is now, shared with the session.
        state.picture = std::move(picture);
        const std::size_t count = std::min(tiles.size(), state.tiles.size());
        for (std::size_t index = 0; index < count; ++index) {
            if (!SameTile(tiles[index], state.tiles[index])) {
                step->tilesBefore.emplace_back(index, state.tiles[index]);
                step->tilesAfter.emplace_back(index, tiles[index]);
            }
            state.tiles[index] = tiles[index];
        }
        changed |= !step->tilesBefore.empty();
    }
    step->bytes += TileBytes * static_cast<std::int64_t>(step->tilesBefore.size());

    if (!changed) {
        return nullptr;
    }
    return step;
}

void UndoHistory::Commit(const QString& what) {
    if (m_open > 0) {
        return;
    }
    std::unique_ptr<Step> step = TakeChanges(what);
    if (!step) {
        return;
    }
    m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
    Trim();
    emit Changed();
}

void UndoHistory::NameStep(const QString& what) {
    if (m_open > 0) {
        m_openName = what;
    }
}

QString UndoHistory::UndoName() const {
    return CanUndo() ? m_steps[m_done - 1]->what : QString();
}

QString UndoHistory::RedoName() const {
    return CanRedo() ? m_steps[m_done]->what : QString();
}

bool UndoHistory::Undo() {
    // Never under a running command, which may hold one of the tables undo would replace.
    if (m_open > 0) {
        return false;
    }
    // Changes made outside any command (a cross-hair drawn in scale mode) are kept as a step
    // of their own, so that Redo can bring them back.
    Commit(QStringLiteral("Changes"));
    if (!CanUndo()) {
        return false;
    }
    --m_done;
    Apply(*m_steps[m_done], true);
    emit Changed();
    return true;
}

bool UndoHistory::Redo() {
    if (m_open > 0) {
        return false;
    }
    // A change since the last step is a step of its own, after which nothing can be redone.
    Commit(QStringLiteral("Changes"));
    if (!CanRedo()) {
        return false;
    }
    Apply(*m_steps[m_done], false);
    ++m_done;
    emit Changed();
    return true;
}

void UndoHistory::Apply(const Step& step, bool back) {
    SessionPicture& picture = m_session.Picture();
    const std::optional<PictureState>& pictureTo = back ? step.pictureBefore : step.pictureAfter;
    if (pictureTo) {
        if (pictureTo->type == PictureType::None) {
            picture.ClearPicture();
        } else {
            picture.SetPicture(pictureTo->image, pictureTo->type, pictureTo->originalBytes,
                               pictureTo->vectors);
        }
        if (pictureTo->beforeRotation) {
            picture.KeepBeforeRotation(*pictureTo->beforeRotation);
        } else {
            picture.ForgetBeforeRotation();
        }
        m_session.SetStatusText(2, pictureTo->fileText);
    }
    picture.Drawing().RestoreTiles(back ? step.tilesBefore : step.tilesAfter);
    m_session.calibration = back ? step.calibrationBefore : step.calibrationAfter;
    m_session.moreReferences = back ? step.moreBefore : step.moreAfter;
    const UserCoordinates& coordinates = back ? step.coordinatesBefore : step.coordinatesAfter;
    if (coordinates.Fitted()) {
        picture.SetFittedScale(coordinates.Edges(), *coordinates.Fitted());
    } else {
        picture.SetScale(coordinates.Edges());
    }
    const bool xLog = back ? step.xLogBefore : step.xLogAfter;
    const bool yLog = back ? step.yLogBefore : step.yLogAfter;
    if (xLog != m_session.settings.XLog || yLog != m_session.settings.YLog) {
        m_session.settings.XLog = xLog;
        m_session.settings.YLog = yLog;
        m_session.SettingsEdited();
    }

    const std::vector<CurveLook>& looks = back ? step.curvesBefore : step.curvesAfter;
    QSet<std::uint64_t> existing;
    for (int index = 0; index < m_session.CurveCount(); ++index) {
        existing.insert(m_session.CurveAt(index).id);
    }
    m_session.ArrangeCurves(looks, back ? step.currentBefore : step.currentAfter);
    for (const Step::RowChange& change : step.rows) {
        const int index = m_session.IndexOfCurve(change.curve);
        if (index < 0) {
            continue; // a curve this side of the step does not have
        }
        DataTable& table = m_session.TableOf(index);
        const Rows& to = back ? change.before : change.after;
        const Rows& from = back ? change.after : change.before;
        if (existing.contains(change.curve)) {
            table.SpliceRows(static_cast<int>(change.first), static_cast<int>(from.size()), to);
        } else {
            // Made empty just now: the step holds all its rows.
            table.SpliceRows(0, table.RowCount(), to);
        }
        table.SetHeaderFrozen(back ? change.frozenBefore : change.frozenAfter);
    }
    picture.Redrawn();
    // The session is now what the step's side was: that is the last state again.
    TakeChanges({});
}

std::int64_t UndoHistory::Bytes() const {
    std::int64_t bytes = 0;
    QSet<qint64> counted{m_session.Picture().Picture().cacheKey()};
    const auto countImage = [&](const QImage& image) {
        if (!counted.contains(image.cacheKey())) {
            counted.insert(image.cacheKey());
            bytes += image.sizeInBytes();
        }
    };
    // Drawings are shared like pictures, and counted once too.
    std::set<const VectorDrawing*> countedDrawings{m_session.Picture().Vectors().get()};
    const auto countDrawing = [&](const SessionPicture::SharedVectors& vectors) {
        if (vectors && countedDrawings.insert(vectors.get()).second) {
            bytes += static_cast<std::int64_t>(vectors->ApproximateBytes());
        }
    };
    const auto countPicture = [&](const std::optional<PictureState>& picture) {
        if (picture) {
            countImage(picture->image);
            countDrawing(picture->vectors);
            bytes += picture->originalBytes.size();
            if (picture->beforeRotation) {
                countImage(picture->beforeRotation->image);
                countDrawing(picture->beforeRotation->vectors);
            }
        }
    };
    for (const auto& step : m_steps) {
        bytes += step->bytes;
        countPicture(step->pictureBefore);
        countPicture(step->pictureAfter);
    }
    return bytes;
}

void UndoHistory::SetLimits(int mostSteps, int mostMegabytes) {
    m_mostSteps = std::clamp(mostSteps, FewestSteps, LargestMostSteps);
    m_mostMegabytes = std::clamp(mostMegabytes, FewestMegabytes, LargestMostMegabytes);
    Trim();
    emit Changed();
}

void UndoHistory::Trim() {
    while (m_done > 1 && (m_steps.size() > static_cast<std::size_t>(m_mostSteps) ||
                          Bytes() > m_mostMegabytes * Megabyte)) {
        m_steps.pop_front();
        --m_done;
    }
}

UndoStep::UndoStep(UndoHistory& history, const QString& what) : m_history(history) {
    if (m_history.m_open++ == 0) {
        m_history.m_openName = what;
    }
}

UndoStep::~UndoStep() {
    if (--m_history.m_open == 0) {
        try {
            m_history.Commit(m_history.m_openName);
        } catch (...) {
            // Out of memory while keeping the step: the steps before it no longer lead to the
            // session as it is, so they are forgotten rather than undone wrongly.
            try {
                m_history.Clear();
            } catch (...) {
                m_history.m_steps.clear();
                m_history.m_done = 0;
            }
        }
    }
}
