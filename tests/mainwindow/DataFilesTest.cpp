#include "PictureFixture.h"
#include "TestData.h"

#include <QFile>
#include <QTemporaryDir>

#include <sys/mount.h>

namespace {

class DataFiles : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        AppendPointRow(Table(), 2.5f, -1.0f);
    }
    QString Path(const char* name) { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
};

const QByteArray CommaFile =
    "\"= Point =\",\"= X Axis =\",\"= Y Axis =\"\r\n\" 1\",\" 2.5\",\"-1\"\r\n";

TEST_F(DataFiles, TheFileTypeNotTheExtensionChoosesTheLayout) {
    prompts->fileAnswers.push_back({Path("points.csv"), 2});
    Main().mnuDataSaveAs_Click();
    EXPECT_TRUE(ReadFile(Path("points.csv")).startsWith("= Point =          = X Axis ="));
    prompts->fileAnswers.push_back({Path("all.txt"), 1});
    Main().mnuDataSaveAs_Click();
    EXPECT_EQ(ReadFile(Path("all.txt")), CommaFile);
}

TEST_F(DataFiles, SaveWithoutANameIsSaveAsAndWithOneWritesAtOnce) {
    prompts->fileAnswers.push_back({Path("a.dat"), 4});
    EXPECT_TRUE(Main().mnuDataSave_Click());
    EXPECT_EQ(prompts->fileRequests.size(), 1u);
    AppendPointRow(Table(), 3.0f, 4.0f);
    EXPECT_TRUE(Main().mnuDataSave_Click());
    EXPECT_EQ(prompts->fileRequests.size(), 1u) << "no second dialog";
    EXPECT_EQ(ReadFile(Path("a.dat")).count('\n'), 3);
    EXPECT_TRUE(ReadFile(Path("a.dat")).startsWith("\t= Point ="));
}

TEST_F(DataFiles, OverwriteAnsweredNoWritesNothingAndForgetsTheName) {
    ASSERT_TRUE(WriteFile(Path("old.dat"), "keep me"));
    prompts->fileAnswers.push_back({Path("old.dat"), 3});
    prompts->messageAnswers.push_back(MessageAnswer::No);
    EXPECT_FALSE(Main().mnuDataSaveAs_Click());
    EXPECT_EQ(prompts->OnlyMessage(),
              Path("old.dat") + QStringLiteral(" exists. Do you want to overwrite it?"));
    EXPECT_EQ(ReadFile(Path("old.dat")), QByteArray("keep me"));
    EXPECT_TRUE(App().session.DataFileName.isEmpty());
}

TEST_F(DataFiles, AppendTwiceKeepsTheNameAndAddsTheWholeTable) {
    prompts->fileAnswers.push_back({Path("log.dat"), 3});
    prompts->fileAnswers.push_back({Path("log.dat"), 3});
    Main().mnuDataAppendTo_Click();
    Main().mnuDataAppendTo_Click();
    EXPECT_EQ(prompts->fileRequests[1].fileName, Path("log.dat")) << "the name carries over";
    EXPECT_EQ(ReadFile(Path("log.dat")), CommaFile + CommaFile);
    EXPECT_EQ(App().session.DataFileName, Path("log.dat"));
    prompts->fileAnswers.push_back({QString(), 3});
    Main().mnuDataAppendTo_Click();
    EXPECT_EQ(App().session.DataFileName, Path("log.dat")) << "cancel keeps it";
    EXPECT_TRUE(Main().CMDialog().FileName.isEmpty()) << "but the dialog returned no name";
    prompts->fileAnswers.push_back({QString(), 3});
    Main().mnuDataAppendTo_Click();
    EXPECT_TRUE(prompts->fileRequests.back().fileName.isEmpty()) << "and opens with none";
}

TEST_F(DataFiles, AWriteErrorIsReportedAndTheTableStays) {
    prompts->fileAnswers.push_back({QStringLiteral("/dev/full"), 3});
    prompts->messageAnswers.push_back(MessageAnswer::Yes); // it exists: overwrite
    EXPECT_FALSE(Main().mnuDataSaveAs_Click());
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_TRUE(prompts->messages[1].text.startsWith(
        QStringLiteral("Error #  61 was generated. \rDisk full: /dev/full")))
        << prompts->messages[1].text.toStdString();
    EXPECT_EQ(Table().PointCount(), 1);
}

// A file system that fills up while a file is written: a small tmpfs of our own.
class FullDisk {
public:
    FullDisk() {
        m_mounted =
            m_folder.isValid() && ::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(),
                                          "tmpfs", 0, "size=64k") == 0;
    }
    ~FullDisk() {
        if (m_mounted) {
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
    bool Mounted() const { return m_mounted; }
    QString Path(const char* name) const { return m_folder.filePath(QString::fromLatin1(name)); }

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
};

TEST_F(DataFiles, AFullDiskIsReportedAsSuchAndTheEarlierFileIsKept) {
    const FullDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << "no tmpfs can be mounted here";
    }
    for (int point = 0; point < 20000; ++point) {
        AppendPointRow(Table(), point * 1.5, point * -2.5);
    }
    const QString data = disk.Path("points.dat");
    ASSERT_TRUE(WriteFile(data, "earlier"));
    App().session.DataFileName = data;
    EXPECT_FALSE(Main().mnuDataSave_Click());
    EXPECT_TRUE(prompts->OnlyMessage().startsWith(
        QStringLiteral("Error #  61 was generated. \rDisk full: ") + data))
        << prompts->OnlyMessage().toStdString();
    EXPECT_EQ(ReadFile(data), QByteArray("earlier"));

    prompts->messages.clear();
    const QString project = disk.Path("big.kurvexproj");
    ASSERT_TRUE(WriteFile(project, "earlier"));
    prompts->fileAnswers.push_back({project, 1});
    prompts->messageAnswers.push_back(MessageAnswer::Yes); // it exists: overwrite
    EXPECT_FALSE(Main().mnuFileSaveProjectAs_Click());
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_TRUE(prompts->messages[1].text.startsWith(
        QStringLiteral("Error #  61 was generated. \rDisk full: ") + project))
        << prompts->messages[1].text.toStdString();
    EXPECT_EQ(ReadFile(project), QByteArray("earlier"));
    EXPECT_EQ(Table().PointCount(), 20001);
}

TEST_F(DataFiles, ClosingWhenTheFileCannotBeWrittenOffersAnotherPlaceOrStaying) {
    App().session.DataFileName = Path("gone/points.dat"); // its folder was removed
    App().session.DataFileType = 3;
    // Yes: the save fails (error box), Save As is offered and cancelled, the question comes
    // back, and Cancel keeps the program open with its points.
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Cancel};
    prompts->fileAnswers.push_back({QString(), 3});
    EXPECT_FALSE(Main().close());
    ASSERT_EQ(prompts->messages.size(), 3u);
    EXPECT_EQ(prompts->messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(prompts->messages[1].title, QStringLiteral("Error"));
    EXPECT_EQ(prompts->messages[2].title, QStringLiteral("Last Call"));
    EXPECT_EQ(Table().PointCount(), 1);

    // Closing again: Yes, the save fails, Save As to a place that works, and the program ends.
    prompts->messages.clear();
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Ok};
    prompts->fileAnswers.push_back({Path("saved.csv"), 3});
    EXPECT_TRUE(Main().close());
    EXPECT_EQ(ReadFile(Path("saved.csv")), CommaFile);
}

} // namespace
