#include "session/UndoHistory.h"

#include "core/Calibration.h"
#include "picture/RotatePixels.h"
#include "project/ProjectState.h"
#include "session/AutoRead.h"
#include "session/CurveMarkers.h"
#include "session/Session.h"
#include "table/TableSort.h"

#include <QBuffer>
#include <QDataStream>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

QImage Plain(int width, int height, QColor color = Qt::white) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Everything undo gives back, as bytes: the curves with their tables, the picture with its
// drawing and the picture kept for Undo Rotate, the calibration and the log axes.
QByteArray Everything(const Session& session) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << session.CurveCount();
    for (int index = 0; index < session.CurveCount(); ++index) {
        const Curve& curve = session.CurveAt(index);
        out << curve.name << curve.color.has_value() << (curve.color ? curve.color->Packed() : -1)
            << curve.shown << curve.table->HeaderFrozen();
        for (const DataTable::Row& row : curve.table->Rows()) {
            out << row[0] << row[1] << row[2];
        }
    }
    out.writeRawData(reinterpret_cast<const char*>(&session.calibration),
                     sizeof(CalibrationRecord));
    const UserCoordinates& coordinates = session.Picture().Coordinates();
    const EdgeValues edges = coordinates.Edges();
    out << edges.Left << edges.Top << edges.Right << edges.Bottom;
    out << coordinates.Fitted().value_or(QTransform());
    out << session.settings.XLog << session.settings.YLog;
    out << static_cast<int>(session.Picture().Type()) << session.Picture().OriginalBytes()
        << session.StatusText(2);
    if (session.Picture().HasPicture()) {
        out << session.Picture().DrawnImage();
    }
    const auto& kept = session.Picture().BeforeRotation();
    out << kept.has_value();
    if (kept) {
        out << kept->image << static_cast<int>(kept->type);
    }
    return bytes;
}

void MarkPoint(Session& session, double x, double y) {
    session.Picture().Dot(x, y, MarkerColorOf(session.CurrentCurve(), session.settings));
    AppendPointRow(session.Table(), x, y);
}

// The commands a user gives, done on the session as the windows do them.
void RandomCommand(Session& session, std::mt19937& random, QString& name) {
    const auto pick = [&](int below) {
        return std::uniform_int_distribution<int>(0, below - 1)(random);
    };
    const auto coordinate = [&] {
        return std::uniform_real_distribution<double>(0, 10)(random);
    };
    DataTable& table = session.Table();
    switch (pick(17)) {
    case 0:
    case 1:
        name = QStringLiteral("Point");
        MarkPoint(session, coordinate(), coordinate());
        break;
    case 2: {
        name = QStringLiteral("Points"); // a right-button drag
        const int count = 1 + pick(6);
        for (int i = 0; i < count; ++i) {
            MarkPoint(session, coordinate(), coordinate());
        }
        break;
    }
    case 3:
        name = QStringLiteral("Sort");
        SortPoints(table, pick(2) == 0 ? SortKey::X : SortKey::Y);
        break;
    case 4:
        name = QStringLiteral("Remove Repeated Values");
        if (table.PointCount() > 0) {
            table.AppendRow(table.Rows().back());
        }
        RemoveRepeatedNeighbours(table);
        break;
    case 5:
        name = QStringLiteral("Remove All Values");
        table.Clear();
        RedrawCurveMarkers(session);
        break;
    case 6:
        name = QStringLiteral("Remove Last Point");
        table.RemoveRows(table.RowCount() - 1, 1);
        RedrawCurveMarkers(session);
        break;
    case 7:
        name = QStringLiteral("Set New Values");
        if (table.PointCount() > 0) {
            const int row = 1 + pick(table.PointCount());
            table.SetCellText(row, 1, QString::number(coordinate()));
        }
        break;
    case 8: {
        name = QStringLiteral("Calibration");
        CalibrationRecord& record = session.calibration;
        record = CalibrationRecord{};
        record.X1 = 1 + pick(5);
        record.X2 = 100 + pick(50);
        record.Y1 = pick(3);
        record.Y2 = 10 + pick(3);
        record.XPos1 = 1;
        record.XPos2 = 9;
        record.YPos1 = 2;
        record.YPos2 = 8;
        CalibrateRecord(record, session.settings.XLog, session.settings.YLog);
        session.Picture().SetScale(record.Edges());
        break;
    }
    case 9:
        name = QStringLiteral("Options");
        session.settings.XLog = !session.settings.XLog;
        break;
    case 10: {
        name = QStringLiteral("Rotate");
        if (!session.Picture().HasPicture()) {
            break;
        }
        const QImage source = session.Picture().Picture();
        double angle = 10 + pick(60);
        QImage turned(RotatedSize(source.size(), angle * 3.14159265358979 / 180),
                      QImage::Format_RGB32);
        turned.fill(Qt::white);
        RotatePixels(turned, source, angle);
        session.Picture().KeepBeforeRotation(
            {source, session.Picture().Type(), session.Picture().OriginalBytes(), {}});
        session.Picture().SetPicture(turned, PictureType::Bitmap);
        RedrawCurveMarkers(session);
        break;
    }
    case 11: {
        name = QStringLiteral("Undo Rotate");
        const auto kept = session.Picture().BeforeRotation();
        if (kept) {
            session.Picture().ForgetBeforeRotation();
            session.Picture().SetPicture(kept->image, kept->type, kept->originalBytes);
            RedrawCurveMarkers(session);
        }
        break;
    }
    case 12:
        name = QStringLiteral("Import");
        session.ResetDocument();
        session.Picture().SetPicture(
            Plain(40 + pick(40), 30 + pick(40), QColor(pick(255), 200, 90)), PictureType::Bitmap,
            QByteArray(10 + pick(5), 'p'));
        session.SetStatusText(2, QStringLiteral("picture%1.png").arg(pick(9)));
        RedrawCurveMarkers(session);
        break;
    case 13:
        name = QStringLiteral("New Curve");
        session.AddCurve(session.UnusedCurveName(), CurvePaletteColor(session.CurveCount() + 1));
        break;
    case 14:
        name = QStringLiteral("Delete Curve");
        session.DeleteCurve(pick(session.CurveCount()));
        RedrawCurveMarkers(session);
        break;
    case 15: {
        name = QStringLiteral("Calibration");
        // A map fitted to more reference points: turned and sheared.
        const double turn = 0.01 * pick(5);
        session.Picture().SetFittedScale(session.calibration.Edges(),
                                         QTransform(std::cos(turn), std::sin(turn),
                                                    -std::sin(turn) + 0.01, std::cos(turn),
                                                    pick(10), pick(10)) *
                                             QTransform::fromScale(0.1, -0.1));
        break;
    }
    default:
        switch (pick(3)) {
        case 0:
            name = QStringLiteral("Rename Curve");
            session.RenameCurve(session.CurrentCurveIndex(), session.UnusedCurveName());
            break;
        case 1:
            name = QStringLiteral("Curve Colour");
            session.SetCurveColor(session.CurrentCurveIndex(), PackedRgb(pick(255), 0, 0));
            RedrawCurveMarkers(session);
            break;
        default:
            // Only another current curve: no step of its own.
            name = QStringLiteral("Next Curve");
            session.SetCurrentCurve((session.CurrentCurveIndex() + 1) % session.CurveCount());
            break;
        }
        break;
    }
}

} // namespace

TEST(UndoHistory, EveryRandomSequenceUndoesToTheStartAndRedoesToTheEndExactly) {
    for (const unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE(seed);
        Session session;
        session.Picture().SetPicture(Plain(64, 48), PictureType::Bitmap);
        session.Picture().SetDrawWidth(3);
        session.History().Clear();
        std::mt19937 random(seed);
        std::vector<QByteArray> states{Everything(session)};
        std::vector<QString> names;
        for (int command = 0; command < 80 && session.History().StepCount() < 90; ++command) {
            QString name;
            RandomCommand(session, random, name);
            const int before = session.History().StepCount();
            session.History().Commit(name);
            if (session.History().StepCount() > before) {
                states.push_back(Everything(session));
                names.push_back(name);
            } else {
                // Nothing a step would keep changed: the session is as it was after the last.
                ASSERT_EQ(Everything(session), states.back()) << name.toStdString();
            }
        }
        ASSERT_GT(states.size(), 30u);
        for (std::size_t at = states.size() - 1; at > 0; --at) {
            ASSERT_EQ(session.History().UndoName(), names[at - 1]);
            ASSERT_TRUE(session.History().Undo());
            ASSERT_EQ(Everything(session), states[at - 1]) << "undoing " << at;
        }
        EXPECT_FALSE(session.History().CanUndo());
        EXPECT_FALSE(session.History().Undo());
        for (std::size_t at = 1; at < states.size(); ++at) {
            ASSERT_EQ(session.History().RedoName(), names[at - 1]);
            ASSERT_TRUE(session.History().Redo());
            ASSERT_EQ(Everything(session), states[at]) << "redoing " << at;
        }
        EXPECT_FALSE(session.History().Redo());
    }
}

TEST(UndoHistory, OneCommandIsOneStepNamedByTheOutermostCommandOrAsItTurnedOut) {
    Session session;
    UndoHistory& history = session.History();
    QSignalSpy changed(&history, &UndoHistory::Changed);
    {
        UndoStep outer(history, QStringLiteral("Set New Values"));
        AppendPointRow(session.Table(), 1.0, 2.0);
        {
            // A command run by another, as the edit panel runs Refresh.
            UndoStep inner(history, QStringLiteral("Refresh"));
            AppendPointRow(session.Table(), 3.0, 4.0);
        }
        history.Commit(QStringLiteral("Point"));
        EXPECT_EQ(history.StepCount(), 0);
    }
    EXPECT_EQ(history.StepCount(), 1);
    EXPECT_EQ(history.UndoName(), QStringLiteral("Set New Values"));
    EXPECT_EQ(changed.count(), 1);
    {
        UndoStep click(history, QStringLiteral("Reference Point"));
        session.calibration.X1 = 5;
        history.NameStep(QStringLiteral("Calibration"));
    }
    EXPECT_EQ(history.UndoName(), QStringLiteral("Calibration"));
    // Outside a step there is nothing to rename.
    history.NameStep(QStringLiteral("Other"));
    EXPECT_EQ(history.UndoName(), QStringLiteral("Calibration"));
    {
        // A running command may hold a table undo would replace: no undo under it.
        UndoStep running(history, QStringLiteral("AutoRead"));
        EXPECT_FALSE(history.Undo());
        EXPECT_EQ(session.calibration.X1, 5);
    }
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(session.calibration.X1, Unset);
    EXPECT_EQ(history.UndoName(), QStringLiteral("Set New Values"));
    EXPECT_EQ(history.RedoName(), QStringLiteral("Calibration"));
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(session.Table().PointCount(), 0);
    EXPECT_TRUE(history.UndoName().isEmpty());
}

TEST(UndoHistory, WhatChangesNothingMakesNoStep) {
    Session session;
    session.Picture().SetPicture(Plain(50, 50), PictureType::Bitmap);
    session.History().Commit(QStringLiteral("Import"));
    MarkPoint(session, 2, 3);
    session.History().Commit(QStringLiteral("Point"));
    ASSERT_EQ(session.History().StepCount(), 2);
    // A sort writes the point numbers plainly: a change, and one step.
    SortPoints(session.Table(), SortKey::X);
    session.History().Commit(QStringLiteral("Sort"));
    const int steps = session.History().StepCount();
    EXPECT_EQ(steps, 3);
    // The markers erased and drawn again as they were (Refresh), a value typed as it stood,
    // another current curve, a sort of the sorted table: no step.
    RedrawCurveMarkers(session);
    session.Table().SetCellText(1, 1, session.Table().CellText(1, 1));
    session.History().Commit(QStringLiteral("Set New Values"));
    session.AddCurve(QStringLiteral("B"), std::nullopt);
    session.History().Commit(QStringLiteral("New Curve"));
    EXPECT_EQ(session.History().StepCount(), steps + 1);
    session.SetCurrentCurve(0);
    session.History().Commit(QStringLiteral("Previous Curve"));
    SortPoints(session.Table(), SortKey::X);
    RedrawCurveMarkers(session);
    session.History().Commit(QStringLiteral("Sort"));
    EXPECT_EQ(session.History().StepCount(), steps + 1);
}

TEST(UndoHistory, ANewChangeAfterUndoEndsRedoAndChangesOutsideCommandsAreKept) {
    Session session;
    AppendPointRow(session.Table(), 1.0, 1.0);
    session.History().Commit(QStringLiteral("Point"));
    AppendPointRow(session.Table(), 2.0, 2.0);
    session.History().Commit(QStringLiteral("Point"));
    ASSERT_TRUE(session.History().Undo());
    AppendPointRow(session.Table(), 3.0, 3.0);
    session.History().Commit(QStringLiteral("Point"));
    EXPECT_FALSE(session.History().CanRedo());
    EXPECT_FALSE(session.History().Redo());
    EXPECT_EQ(session.Table().PointCount(), 2);

    // A change no command made a step of becomes one before Undo takes anything back.
    session.Table().SetCellText(2, 1, QStringLiteral("9"));
    ASSERT_TRUE(session.History().Undo());
    EXPECT_EQ(session.Table().CellText(2, 1), PaddedPointRow(2, 3.0, 3.0)[1]);
    EXPECT_EQ(session.History().RedoName(), QStringLiteral("Changes"));
    ASSERT_TRUE(session.History().Redo());
    EXPECT_EQ(session.Table().CellText(2, 1), QStringLiteral("9"));

    // Likewise before Redo, which then has nothing left to do again.
    ASSERT_TRUE(session.History().Undo());
    session.Table().SetCellText(1, 1, QStringLiteral("7"));
    EXPECT_FALSE(session.History().Redo());
    EXPECT_EQ(session.History().UndoName(), QStringLiteral("Changes"));
    EXPECT_EQ(session.Table().CellText(1, 1), QStringLiteral("7"));
}

TEST(UndoHistory, TheOldestStepsGoPastTheLimitsAndTheNewestStays) {
    Session session;
    session.History().SetLimits(5, UndoHistory::DefaultMostMegabytes);
    for (int point = 0; point < 8; ++point) {
        AppendPointRow(session.Table(), double(point), double(point));
        session.History().Commit(QStringLiteral("Point"));
    }
    EXPECT_EQ(session.History().StepCount(), 5);
    while (session.History().Undo()) {
    }
    EXPECT_EQ(session.Table().PointCount(), 3);

    // Pictures count once however many steps share them; past the memory the oldest go.
    Session pictures;
    pictures.History().SetLimits(UndoHistory::LargestMostSteps, UndoHistory::FewestMegabytes);
    const QImage big = Plain(1500, 1000); // 6 MB
    for (int turn = 0; turn < 6; ++turn) {
        pictures.Picture().SetPicture(Plain(1500, 1000, QColor(turn * 40, 0, 0)),
                                      PictureType::Bitmap);
        pictures.History().Commit(QStringLiteral("Import"));
        EXPECT_LE(pictures.History().Bytes(), 16 * 1024 * 1024) << turn;
    }
    EXPECT_GE(pictures.History().StepCount(), 2);
    EXPECT_LT(pictures.History().StepCount(), 6);
    // One step larger than the limit is still kept: the last command can always be undone.
    pictures.History().SetLimits(1, UndoHistory::FewestMegabytes);
    pictures.Picture().SetPicture(Plain(3000, 2000), PictureType::Bitmap); // 24 MB
    pictures.History().Commit(QStringLiteral("Import"));
    EXPECT_EQ(pictures.History().StepCount(), 1);
    ASSERT_TRUE(pictures.History().Undo());
    EXPECT_EQ(pictures.Picture().Picture().pixel(0, 0), QColor(200, 0, 0).rgb());

    // A page's drawing counts as its picture does: the same small picture with drawings of
    // 6 MB each keeps as few steps as larger pictures would.
    Session pages;
    pages.History().SetLimits(UndoHistory::LargestMostSteps, UndoHistory::FewestMegabytes);
    for (int page = 0; page < 6; ++page) {
        auto drawing = std::make_shared<VectorDrawing>();
        drawing->paths.resize(1);
        drawing->paths[0].points.assign(400000, QPointF(page, page));
        drawing->paths[0].pieceStarts = {0};
        pages.Picture().SetPicture(Plain(10, 10), PictureType::PdfPage, {}, drawing);
        pages.History().Commit(QStringLiteral("Import"));
    }
    EXPECT_LE(pages.History().Bytes(), 16 * 1024 * 1024);
    EXPECT_LT(pages.History().StepCount(), 6);

    // Limits outside what the options take are held to them.
    session.History().SetLimits(0, 1);
    EXPECT_EQ(session.History().MostSteps(), UndoHistory::FewestSteps);
    EXPECT_EQ(session.History().MostMegabytes(), UndoHistory::FewestMegabytes);
}

TEST(UndoHistory, ADeletedCurveComesBackWithItsPointsLookAndMarkers) {
    Session session;
    session.Picture().SetPicture(Plain(40, 40), PictureType::Bitmap);
    session.History().Clear();
    session.AddCurve(QStringLiteral("Fast"), PackedRgb(0, 0, 255));
    MarkPoint(session, 5, 5);
    session.SetCurveShown(1, false);
    session.History().Commit(QStringLiteral("Points"));
    const QByteArray before = Everything(session);
    const DataTable* first = &session.TableOf(0);
    session.DeleteCurve(1);
    RedrawCurveMarkers(session);
    session.History().Commit(QStringLiteral("Delete Curve"));
    ASSERT_EQ(session.CurveCount(), 1);
    QSignalSpy current(&session, &Session::CurrentCurveChanged);
    ASSERT_TRUE(session.History().Undo());
    EXPECT_EQ(Everything(session), before);
    EXPECT_EQ(session.CurrentCurve().name, QStringLiteral("Fast"));
    EXPECT_EQ(current.count(), 1);
    // The curve that stayed kept its table, which the data window shows.
    EXPECT_EQ(&session.TableOf(0), first);
    // Curves made later never take the id of one that may come back.
    session.AddCurve(QStringLiteral("Slow"), std::nullopt);
    EXPECT_NE(session.CurveAt(2).id, session.CurveAt(1).id);
}

TEST(UndoHistory, TheProjectsChangedFlagFollowsUndoAndAnOpenedProjectStartsAfresh) {
    Session session;
    session.Picture().SetPicture(Plain(30, 20), PictureType::Bitmap);
    AppendPointRow(session.Table(), 1.0, 2.0);
    session.History().Commit(QStringLiteral("Point"));
    session.KeepProjectPath(QStringLiteral("/tmp/a.kvx"), ProjectFingerprint(session));
    EXPECT_FALSE(ProjectChanged(session));
    AppendPointRow(session.Table(), 3.0, 4.0);
    session.History().Commit(QStringLiteral("Point"));
    EXPECT_TRUE(ProjectChanged(session));
    session.History().Undo();
    EXPECT_FALSE(ProjectChanged(session));
    session.History().Undo();
    EXPECT_TRUE(ProjectChanged(session));
    session.History().Redo();
    EXPECT_FALSE(ProjectChanged(session));

    Session opened;
    AppendPointRow(opened.Table(), 5.0, 5.0);
    opened.History().Commit(QStringLiteral("Point"));
    ApplyProject(opened, CurrentProject(session, true), session.Picture().Picture());
    EXPECT_FALSE(opened.History().CanUndo());
    EXPECT_FALSE(opened.History().CanRedo());
    EXPECT_FALSE(opened.History().Undo());
    EXPECT_EQ(opened.Table().PointCount(), 1);
}
