#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <deque>
#include <memory>

class Session;

// The session's history for Undo and Redo. Commands change the session as they always did;
// when one ends, the history compares the session with what it was after the step before and
// keeps only what changed (rows of tables, tiles of the drawing, the picture, the calibration,
// the log axes, the curves), so that a step costs what it changed. Pictures and drawing tiles
// are shared with the session, not copied, until one of them changes.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultMostSteps = 100;
    static constexpr int DefaultMostMegabytes = 1024;
    static constexpr int FewestSteps = 1;
    static constexpr int LargestMostSteps = 1000;
    static constexpr int FewestMegabytes = 16;
    static constexpr int LargestMostMegabytes = 65536;

    explicit UndoHistory(Session& session);
    ~UndoHistory() override;

    // Makes whatever changed since the last step one step named `what` (nothing changed, no
    // step). Inside an UndoStep it waits for the outermost one to end, which names the step.
    void Commit(const QString& what);
    // Names the step of the open UndoStep after what the command turned out to do (a click
    // that ended a calibration); nothing without one.
    void NameStep(const QString& what);
    // Forgets every step: the session as it is now is where Undo stops (an opened project).
    void Clear();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // The name of the step Undo or Redo would take back or do again; empty for none.
    QString UndoName() const;
    QString RedoName() const;
    // Takes the last step back (changes not yet made a step become one first, so that
    // nothing is lost); false when there is none, or inside an UndoStep (a command runs).
    bool Undo();
    bool Redo();

    int StepCount() const { return static_cast<int>(m_steps.size()); }
    // The memory the steps hold besides the session itself, in bytes.
    std::int64_t Bytes() const;

    // The oldest steps are dropped past either limit; the newest step is always kept.
    void SetLimits(int mostSteps, int mostMegabytes);
    int MostSteps() const { return m_mostSteps; }
    int MostMegabytes() const { return m_mostMegabytes; }

signals:
    // The steps or the names of Undo and Redo changed.
    void Changed();

private:
    friend class UndoStep;
    struct State;
    struct Step;

    // The session against the last state: the step that leads from one to the other, or
    // nothing when they are the same. The last state becomes the session's.
    std::unique_ptr<Step> TakeChanges(const QString& what);
    void Apply(const Step& step, bool back);
    void Trim();

    Session& m_session;
    std::unique_ptr<State> m_state;
    std::deque<std::unique_ptr<Step>> m_steps;
    std::size_t m_done = 0; // steps that can be undone; those after them can be redone
    int m_open = 0;         // UndoSteps open
    QString m_openName;
    int m_mostSteps = DefaultMostSteps;
    int m_mostMegabytes = DefaultMostMegabytes;
};

// One command as one step: what the command changes, with every command it runs, becomes one
// step named after it when the outermost UndoStep ends.
class UndoStep {
public:
    UndoStep(UndoHistory& history, const QString& what);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    UndoHistory& m_history;
};
