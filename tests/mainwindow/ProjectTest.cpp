#include "PictureFixture.h"
#include "TestData.h"
#include "app/Startup.h"
#include "project/ProjectFile.h"
#include "project/ProjectZip.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPainter>
#include <QTableView>

#include <sys/stat.h>

namespace {

class Projects : public PictureFixture {
protected:
    QString PathOf(const char* name) { return m_folder.filePath(QString::fromLatin1(name)); }

    // A session worth keeping: a drawn picture, logarithmic Y, a calibration, two points and a
    // data file name.
    void BuildSession() {
        QImage picture(300, 200, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setPen(Qt::darkBlue);
        painter.drawLine(20, 180, 290, 10);
        painter.end();
        Surface().SetPicture(picture);
        Main().EnableDataMenu();
        App().session.settings.YLog = true;
        App().session.settings.DotSize = 4;
        App().session.settings.PointsColor = PackedRgb(0, 255, 0);
        Surface().SetDrawWidth(4);
        EnterScaleMode();
        prompts->textAnswers = {QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("5"),
                                QStringLiteral("1000")};
        prompts->messageAnswers.push_back(MessageAnswer::Yes);
        Press(Qt::LeftButton, {30, 170});
        Press(Qt::LeftButton, {270, 30});
        Press(Qt::LeftButton, {100, 80});
        Press(Qt::LeftButton, {151, 61});
        App().session.DataFileName = QStringLiteral("/data/points.txt");
        App().session.DataFileType = 3;
        Main().SetPanelText(1, App().session.DataFileName);
        prompts->messages.clear();
    }

    bool SaveAs(const QString& path) {
        prompts->fileAnswers.push_back({path, 1});
        return Main().mnuFileSaveProjectAs_Click();
    }

    // Starts the program afresh, as a user who comes back the next day.
    void Restart() {
        AppFixture::TearDown();
        PictureFixture::SetUp();
    }

    QTemporaryDir m_folder;
};

// Every curve comes back: its name, colour, whether it shows, its table, and which is current;
// the data window shows the current one. A change in a curve that is not current is a change.
TEST_F(Projects, EveryCurveComesBackAndTheGridShowsTheCurrentOne) {
    BuildSession();
    Session& session = App().session;
    ASSERT_TRUE(session.AddCurve(QStringLiteral("Second, \"b\""), PackedRgb(0, 114, 178)));
    AppendPointRow(session.Table(), 1.25, 2.5);
    AppendPointRow(session.Table(), 3.75, 5.0);
    ASSERT_TRUE(session.AddCurve(QStringLiteral("Third"), std::nullopt));
    session.SetCurveShown(2, false);
    session.SetCurrentCurve(1);
    EXPECT_EQ(App().Data().GridData().model(), &session.TableOf(1));
    std::vector<std::vector<DataTable::Row>> tables;
    for (int index = 0; index < session.CurveCount(); ++index) {
        tables.push_back(session.TableOf(index).Rows());
    }
    const QString path = PathOf("curves.kurvexproj");
    ASSERT_TRUE(SaveAs(path));
    Restart();
    ASSERT_TRUE(Main().OpenProjectFile(path));
    Session& opened = App().session;
    ASSERT_EQ(opened.CurveCount(), 3);
    for (int index = 0; index < 3; ++index) {
        EXPECT_EQ(opened.TableOf(index).Rows(), tables[static_cast<std::size_t>(index)]) << index;
    }
    EXPECT_EQ(opened.CurveAt(1).name, QStringLiteral("Second, \"b\""));
    EXPECT_EQ(opened.CurveAt(1).color, PackedRgb(0, 114, 178));
    EXPECT_FALSE(opened.CurveAt(0).color.has_value());
    EXPECT_FALSE(opened.CurveAt(2).shown);
    EXPECT_EQ(opened.CurrentCurveIndex(), 1);
    EXPECT_EQ(App().Data().GridData().model(), &opened.Table());
    EXPECT_EQ(App().Data().GridData().model()->rowCount(), 3);
    EXPECT_FALSE(Main().ProjectChanged());
    opened.TableOf(0).SetCellText(1, 1, QStringLiteral("99"));
    EXPECT_TRUE(Main().ProjectChanged()) << "a curve that is not current changed";
}

TEST_F(Projects, ASessionComesBackExactlyInAFreshProgram) {
    BuildSession();
    const QString path = PathOf("figure.kurvexproj");
    ASSERT_TRUE(SaveAs(path));
    EXPECT_EQ(Main().ProjectPath(), path);
    EXPECT_FALSE(Main().ProjectChanged());
    const std::vector<DataTable::Row> rows = Table().Rows();
    const QImage drawn = Surface().DrawnImage();
    const CalibrationRecord calibration = App().session.calibration;
    QStringList panels;
    for (int panel = 1; panel <= 4; ++panel) {
        panels << Main().PanelText(panel);
    }
    // The click the session makes next, to be made again after the restart.
    Press(Qt::LeftButton, {222, 47});
    const DataTable::Row next = Table().Rows().back();
    EXPECT_TRUE(Main().ProjectChanged());

    Restart();
    ASSERT_TRUE(Main().OpenProjectFile(path));
    EXPECT_TRUE(prompts->messages.empty());
    EXPECT_EQ(Table().Rows(), rows);
    EXPECT_TRUE(Table().HeaderFrozen());
    EXPECT_EQ(Surface().DrawnImage(), drawn) << "the same markers";
    EXPECT_EQ(Surface().Type(), PictureType::Bitmap);
    for (int panel = 1; panel <= 4; ++panel) {
        EXPECT_EQ(Main().PanelText(panel), panels[panel - 1]) << panel;
    }
    EXPECT_EQ(App().session.calibration.Edges(), calibration.Edges());
    EXPECT_EQ(App().session.calibration.X2, calibration.X2);
    EXPECT_TRUE(App().session.settings.YLog);
    EXPECT_TRUE(App().Options().CheckYLog().isChecked()) << "the options window shows them";
    EXPECT_EQ(Surface().DrawWidth(), 4);
    EXPECT_EQ(App().session.DataFileName, QStringLiteral("/data/points.txt"));
    EXPECT_EQ(App().session.DataFileType, 3);
    EXPECT_TRUE(Main().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled());
    EXPECT_FALSE(Main().ProjectChanged());

    Press(Qt::LeftButton, {222, 47});
    EXPECT_EQ(Table().Rows().back(), next) << "a further click reads the same values";
}

// The changed flag looks at every cell: an edited value is a change, and editing it back is none.
TEST_F(Projects, AnEditedCellIsAChangeAndItsOldTextIsNone) {
    BuildSession();
    ASSERT_TRUE(SaveAs(PathOf("cells.kurvexproj")));
    const QString old = Table().CellText(2, 2);
    Table().SetCellText(2, 2, old + QLatin1Char('1'));
    EXPECT_TRUE(Main().ProjectChanged());
    Table().SetCellText(2, 2, old);
    EXPECT_FALSE(Main().ProjectChanged());
    // The same texts moved from one cell to the next are a change too.
    const QString x = Table().CellText(1, 1);
    const QString y = Table().CellText(1, 2);
    Table().SetCellText(1, 1, x + y);
    Table().SetCellText(1, 2, QString());
    EXPECT_TRUE(Main().ProjectChanged());
}

TEST_F(Projects, PicturesKeepTheirKind) {
    ASSERT_TRUE(Main().ImportPictureFile(Data("drawn.wmf")));
    const QByteArray metafile = Surface().OriginalBytes();
    ASSERT_TRUE(SaveAs(PathOf("wmf")));
    EXPECT_EQ(Main().ProjectPath(), PathOf("wmf.kurvexproj")) << "the extension is added";
    Surface().SetPicture(QImage(40, 30, QImage::Format_RGB32), PictureType::PdfPage);
    ASSERT_TRUE(SaveAs(PathOf("page.kurvexproj")));

    Restart();
    ASSERT_TRUE(Main().OpenProjectFile(PathOf("wmf.kurvexproj")));
    EXPECT_EQ(Surface().Type(), PictureType::Metafile);
    EXPECT_EQ(Surface().OriginalBytes(), metafile) << "Save Picture writes the metafile back";
    ASSERT_TRUE(Main().OpenProjectFile(PathOf("page.kurvexproj")));
    EXPECT_EQ(Surface().Type(), PictureType::PdfPage);
    EXPECT_EQ(Surface().Picture().size(), QSize(40, 30));
}

TEST_F(Projects, BadProjectsAreRefusedAndChangeNothing) {
    AppendPointRow(Table(), 1.0f, 2.0f);
    Main().SetPanelText(2, QStringLiteral("graph.png"));
    const QImage before = Surface().Picture();
    const QString path = PathOf("text.kurvexproj");
    ASSERT_TRUE(WriteFile(path, "just text"));
    EXPECT_FALSE(Main().OpenProjectFile(path));
    EXPECT_TRUE(prompts->OnlyMessage().contains(path));
    EXPECT_EQ(Surface().Picture(), before);
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png"));
    EXPECT_EQ(Table().PointCount(), 1);
    EXPECT_TRUE(Main().ProjectPath().isEmpty());
}

TEST_F(Projects, ClosingOffersToSaveAChangedProject) {
    BuildSession();
    const QString path = PathOf("close.kurvexproj");
    ASSERT_TRUE(SaveAs(path));
    Press(Qt::LeftButton, {200, 100});
    prompts->messageAnswers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(Main().close()) << "the user stays";
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text,
              QStringLiteral("Save the changes to the project close.kurvexproj?"));
    EXPECT_EQ(prompts->messages[0].buttons, MessageButtons::YesNoCancel);

    // Yes saves it; the table's own question follows.
    prompts->messages.clear();
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    const int points = Table().PointCount();
    EXPECT_TRUE(Main().close());
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_EQ(prompts->messages[1].text, QStringLiteral("Save Data from the Grid before leaving?"));
    EXPECT_EQ(
        static_cast<int>(ReadProjectBytes(ReadFile(path), path).project.curves.front().rows.size()),
        points + 1);
}

TEST_F(Projects, OpeningOffersToSaveTheTableFirst) {
    ASSERT_TRUE(SaveAs(PathOf("empty.kurvexproj")));
    Restart();
    AppendPointRow(Table(), 1.0f, 2.0f);
    AppendPointRow(Table(), 3.0f, 4.0f);
    prompts->messageAnswers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(Main().OpenProjectFile(PathOf("empty.kurvexproj")));
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Last Call"));
    EXPECT_EQ(Table().PointCount(), 2);
    prompts->messageAnswers.push_back(MessageAnswer::No);
    EXPECT_TRUE(Main().OpenProjectFile(PathOf("empty.kurvexproj")));
    EXPECT_EQ(Table().PointCount(), 0);
}

TEST_F(Projects, TheFileMenuListsTheLastFive) {
    QMenu* file = Main().findChild<QMenu*>(QStringLiteral("mnuFile"));
    for (const char* name : {"a.kurvexproj", "b.kurvexproj", "c.kurvexproj", "d.kurvexproj",
                             "e.kurvexproj", "f.kurvexproj"}) {
        ASSERT_TRUE(SaveAs(PathOf(name)));
    }
    emit file->aboutToShow();
    const auto recent = [&](int number) {
        return Main().findChild<QAction*>(QStringLiteral("mnuFileRecent%1").arg(number));
    };
    ASSERT_NE(recent(1), nullptr);
    EXPECT_EQ(recent(1)->text(), QStringLiteral("&1 f.kurvexproj"));
    EXPECT_EQ(recent(5)->text(), QStringLiteral("&5 b.kurvexproj"));
    EXPECT_EQ(recent(6), nullptr);
    EXPECT_EQ(file->actions().indexOf(recent(1)),
              file->actions().indexOf(&Main().Item("mnuFileSaveProjectAs")) + 1);

    // A listed file that has gone says so and leaves the list.
    QFile::remove(PathOf("c.kurvexproj"));
    recent(4)->trigger();
    EXPECT_TRUE(prompts->OnlyMessage().contains(QStringLiteral("File not found")));
    emit file->aboutToShow();
    EXPECT_EQ(recent(4)->text(), QStringLiteral("&4 b.kurvexproj"));
    EXPECT_EQ(recent(5), nullptr);
    recent(2)->trigger();
    EXPECT_EQ(Main().ProjectPath(), PathOf("e.kurvexproj"));
}

TEST_F(Projects, ASaveThatFailsKeepsTheProjectAsItWas) {
    EXPECT_FALSE(SaveAs(PathOf("no/such/folder/x.kurvexproj")));
    EXPECT_TRUE(prompts->OnlyMessage().contains(QStringLiteral("x.kurvexproj")));
    EXPECT_TRUE(Main().ProjectPath().isEmpty());
    emit Main().findChild<QMenu*>(QStringLiteral("mnuFile"))->aboutToShow();
    EXPECT_EQ(Main().findChild<QAction*>(QStringLiteral("mnuFileRecent1")), nullptr);
}

// A project names a data file; Save must not write it before the user has seen the name.
TEST_F(Projects, TheDataFileNamedByAProjectIsConfirmedBeforeItIsWritten) {
    const QString victim = PathOf("victim.txt");
    ASSERT_TRUE(WriteFile(victim, "precious"));
    AppendPointRow(Table(), 1.0f, 2.0f);
    App().session.DataFileName = victim;
    App().session.DataFileType = 3;
    ASSERT_TRUE(SaveAs(PathOf("named.kurvexproj")));
    Restart();
    ASSERT_TRUE(Main().OpenProjectFile(PathOf("named.kurvexproj")));
    prompts->fileRequests.clear();

    // Save offers the name in its dialog; cancelling writes nothing.
    prompts->fileAnswers.push_back({QString(), 3});
    EXPECT_FALSE(Main().mnuDataSave_Click());
    ASSERT_EQ(prompts->fileRequests.size(), 1u);
    EXPECT_EQ(prompts->fileRequests[0].fileName, victim);
    EXPECT_EQ(prompts->fileRequests[0].filterIndex, 3);
    EXPECT_EQ(ReadFile(victim), QByteArray("precious"));

    // Confirmed in the dialog and over the question, it is written, and from then on Save
    // writes it without asking.
    App().session.DataFileName = victim;
    App().session.DataFileNameFromProject = true;
    prompts->fileAnswers.push_back({victim, 3});
    prompts->messageAnswers.push_back(MessageAnswer::Yes);
    EXPECT_TRUE(Main().mnuDataSave_Click());
    EXPECT_NE(ReadFile(victim), QByteArray("precious"));
    prompts->fileRequests.clear();
    EXPECT_TRUE(Main().mnuDataSave_Click());
    EXPECT_TRUE(prompts->fileRequests.empty());
}

TEST_F(Projects, TheSaveOfferedAtExitConfirmsTheProjectsDataFile) {
    const QString victim = PathOf("victim.txt");
    ASSERT_TRUE(WriteFile(victim, "precious"));
    AppendPointRow(Table(), 1.0f, 2.0f);
    App().session.DataFileName = victim;
    ASSERT_TRUE(SaveAs(PathOf("exit.kurvexproj")));
    Restart();
    ASSERT_TRUE(Main().OpenProjectFile(PathOf("exit.kurvexproj")));
    prompts->messages.clear();
    // Yes to saving, the dialog cancelled, then No: the program ends and the file is untouched.
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    prompts->fileAnswers.push_back({QString(), 2});
    EXPECT_TRUE(Main().close());
    EXPECT_EQ(ReadFile(victim), QByteArray("precious"));
    EXPECT_EQ(prompts->fileRequests.back().fileName, victim);
}

TEST_F(Projects, NewEndsTheProjectAndItsChangesAreOfferedFirst) {
    BuildSession();
    const QString path = PathOf("old.kurvexproj");
    ASSERT_TRUE(SaveAs(path));
    const QByteArray saved = ReadFile(path);
    Press(Qt::LeftButton, {200, 100});

    prompts->messageAnswers.push_back(MessageAnswer::Cancel);
    Main().mnuFileNew_Click();
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Save the changes to the project old.kurvexproj?"));
    EXPECT_TRUE(Surface().HasPicture()) << "cancelled: nothing changes";
    EXPECT_EQ(Main().ProjectPath(), path);

    prompts->messages.clear();
    prompts->messageAnswers.push_back(MessageAnswer::No);
    Main().mnuFileNew_Click();
    EXPECT_FALSE(Surface().HasPicture());
    EXPECT_TRUE(Main().ProjectPath().isEmpty());
    EXPECT_FALSE(Main().ProjectChanged());

    // Save Project asks for a name, and the old project stays as it was saved.
    prompts->fileAnswers.push_back({QString(), 1});
    EXPECT_FALSE(Main().mnuFileSaveProject_Click());
    EXPECT_EQ(prompts->fileRequests.back().title, QStringLiteral("Save Project"));
    EXPECT_EQ(ReadFile(path), saved);
}

// Saving replaces the file by renaming a new one over it: a pipe (or a device) named as the
// project is refused, not replaced by a plain file.
TEST_F(Projects, APipeNamedAsTheProjectIsNotReplaced) {
    const QString pipe = PathOf("pipe.kurvexproj");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    prompts->messageAnswers.push_back(MessageAnswer::Yes); // it exists: overwrite
    EXPECT_FALSE(SaveAs(pipe));
    EXPECT_TRUE(prompts->messages.back().text.endsWith(pipe + QStringLiteral(" is a named pipe")))
        << prompts->messages.back().text.toStdString();
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile()) << "still the pipe";
    EXPECT_TRUE(Main().ProjectPath().isEmpty());
}

TEST_F(Projects, NamedAtTheStartItOpensOnceTheSplashHasGone) {
    BuildSession();
    const QString path = PathOf("start.kurvexproj");
    ASSERT_TRUE(SaveAs(path));
    const std::vector<DataTable::Row> rows = Table().Rows();
    Restart();
    ::Main(App(), path);
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_EQ(Table().Rows(), rows);
    EXPECT_EQ(Main().ProjectPath(), path);
    EXPECT_TRUE(prompts->messages.empty());
}

} // namespace
