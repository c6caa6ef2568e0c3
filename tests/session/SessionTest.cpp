#include "session/Session.h"
#include "core/Calibration.h"
#include "project/ProjectState.h"
#include "session/AutoRead.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QImage Plain(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// A session with something of everything a project keeps, built without a window.
void FillSession(Session& session) {
    session.settings.XLog = true;
    session.settings.DotSize = 5;
    session.Picture().SetPicture(Plain(90, 70));
    session.Picture().SetDrawWidth(session.settings.DotSize);
    session.calibration.X1 = 1;
    session.calibration.X2 = 1000;
    session.calibration.XPos1 = 1;
    session.calibration.XPos2 = 9;
    session.calibration.Y1 = 0;
    session.calibration.Y2 = 50;
    session.calibration.YPos1 = 1;
    session.calibration.YPos2 = 9;
    CalibrateRecord(session.calibration, true, false);
    session.Picture().SetScale(session.calibration.Edges());
    session.Picture().Dot(3, 4, PackedRgb(255, 0, 0));
    AppendPointRow(session.Table(), 1.5, 2.5);
    AppendPointRow(session.Table(), 3.25, 4.75);
    session.DataFileName = QStringLiteral("/tmp/points.csv");
    session.DataFileType = 3;
    session.SetStatusText(1, QStringLiteral("points.csv"));
    session.SetStatusText(2, QStringLiteral("graph.png"));
}

} // namespace

TEST(Session, StatusTextsAreTheFourOfTheSessionAndSayWhenTheyChange) {
    Session session;
    EXPECT_EQ(session.StatusText(1), QStringLiteral("Data File"));
    EXPECT_EQ(session.StatusText(4), QStringLiteral("Y value"));
    QSignalSpy changed(&session, &Session::StatusTextChanged);
    session.SetStatusText(3, QStringLiteral("1.5"));
    EXPECT_EQ(session.StatusText(3), QStringLiteral("1.5"));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 3);
    // Numbers beyond the session's texts are refused without a word.
    session.SetStatusText(0, QStringLiteral("x"));
    session.SetStatusText(5, QStringLiteral("x"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(session.StatusText(5).isEmpty());
}

TEST(Session, ResetDocumentClearsPictureScaleAndDataFileButKeepsTheTable) {
    Session session;
    FillSession(session);
    session.DataFileNameFromProject = true;
    session.ResetDocument();
    EXPECT_FALSE(session.Picture().HasPicture());
    EXPECT_TRUE(session.DataFileName.isEmpty());
    EXPECT_FALSE(session.DataFileNameFromProject);
    EXPECT_EQ(session.calibration.X1, Unset);
    EXPECT_EQ(session.Picture().Coordinates().Edges(), NeutralFrame);
    EXPECT_EQ(session.StatusText(3), QStringLiteral("X Value"));
    EXPECT_EQ(session.Table().PointCount(), 2);
}

TEST(Session, PictureSaysWhatItDrewAndWhenItWasReplaced) {
    SessionPicture picture;
    QSignalSpy replaced(&picture, &SessionPicture::Replaced);
    QSignalSpy drawn(&picture, &SessionPicture::Drawn);
    picture.SetPicture(Plain(40, 30));
    EXPECT_EQ(replaced.count(), 1);
    picture.SetScale({0, 30, 40, 0});
    picture.Dot(10, 10, PackedRgb(0, 0, 255));
    ASSERT_EQ(drawn.count(), 1);
    EXPECT_TRUE(drawn.at(0).at(0).toRect().contains(10, 20));
    // A dot far outside touches nothing and says nothing.
    picture.Dot(1000, 1000, PackedRgb(0, 0, 255));
    EXPECT_EQ(drawn.count(), 1);
    // A null picture is no picture.
    picture.SetPicture(QImage());
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_EQ(replaced.count(), 2);
}

TEST(Session, ProjectMadeFromOneSessionMakesAnotherTheSame) {
    Session first;
    FillSession(first);
    const Project project = CurrentProject(first, true);
    Session second;
    QSignalSpy settingsChanged(&second, &Session::SettingsChanged);
    second.ScaleModeOn = true;
    ApplyProject(second, project, project.picture);
    EXPECT_FALSE(second.ScaleModeOn);
    EXPECT_EQ(settingsChanged.count(), 1);
    EXPECT_EQ(ProjectDocument(CurrentProject(second, true)), ProjectDocument(project));
    EXPECT_EQ(second.Picture().DrawnImage(), first.Picture().DrawnImage());
    EXPECT_EQ(second.Table().Rows(), first.Table().Rows());
    EXPECT_TRUE(second.DataFileNameFromProject);
    EXPECT_EQ(second.Picture().DrawWidth(), 5);
}

TEST(Session, ProjectChangesWithTheWorkNotWithThePointerReadOut) {
    Session session;
    FillSession(session);
    EXPECT_FALSE(ProjectChanged(session)); // no project file yet
    session.KeepProjectPath(QStringLiteral("/tmp/work.kurvexproj"), ProjectFingerprint(session));
    EXPECT_FALSE(ProjectChanged(session));
    session.SetStatusText(3, QStringLiteral("7.5"));
    session.SetStatusText(4, QStringLiteral("8.5"));
    EXPECT_FALSE(ProjectChanged(session));
    const QString cell = session.Table().CellText(1, 1);
    session.Table().SetCellText(1, 1, QStringLiteral("9"));
    EXPECT_TRUE(ProjectChanged(session));
    session.Table().SetCellText(1, 1, cell);
    EXPECT_FALSE(ProjectChanged(session));
    session.Picture().SetPicture(Plain(90, 70));
    EXPECT_TRUE(ProjectChanged(session));
    session.ForgetProjectPath();
    EXPECT_FALSE(ProjectChanged(session));
    EXPECT_TRUE(session.ProjectPath().isEmpty());
}

// Auto-read needs no window: a session alone reads its picture into its table.
TEST(Session, AutoReadFindsTheDataColourAndMarksWhatItFound) {
    Session session;
    QImage picture(11, 11, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const PackedColor data = session.settings.ARDataColor;
    // The picture maps pixel (c, r) to x = c, y = 11 - r; the grid runs over 0 to 10.
    picture.setPixel(0, 10, data.ToQRgb());   // grid position (0, 1)
    picture.setPixel(10, 1, data.ToQRgb());   // grid position (10, 10)
    picture.setPixel(5, 10, qRgb(0, 0, 255)); // far from the data colour
    session.Picture().SetPicture(picture);
    session.Picture().SetScale({0, 11, 11, 0});
    session.calibration.LeftX = 0;
    session.calibration.TopY = 10;
    session.calibration.RightX = 10;
    session.calibration.BottomY = 0;
    session.settings.GridCols = 10;
    session.settings.GridRows = 10;
    EXPECT_EQ(AutoReadPositions(session.settings), 120);
    std::vector<std::int64_t> reports;
    const AutoReadOutcome outcome = AutoReadInto(session, [&](std::int64_t done) {
        reports.push_back(done);
        return true;
    });
    EXPECT_EQ(outcome.found, 2);
    EXPECT_EQ(outcome.skipped, 0);
    EXPECT_FALSE(outcome.stopped);
    EXPECT_EQ(reports.size(), 11u) << "after each of the 11 grid columns";
    ASSERT_EQ(session.Table().PointCount(), 2);
    EXPECT_EQ(session.Picture().PixelColor(0, 10), session.settings.ARPointColor.Packed())
        << "found positions are marked";
    EXPECT_TRUE(session.StatusText(3).startsWith(QStringLiteral("Saving: X= ")));

    // Stopped after the first column: what that column found is kept, nothing more.
    Session again;
    again.Picture().SetPicture(picture);
    again.Picture().SetScale({0, 11, 11, 0});
    again.calibration = session.calibration;
    again.settings = session.settings;
    const AutoReadOutcome stopped = AutoReadInto(again, [](std::int64_t) { return false; });
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(stopped.found, 1);
    EXPECT_EQ(again.Table().PointCount(), 1);
}
