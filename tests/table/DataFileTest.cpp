#include "TestData.h"
#include "core/AppError.h"
#include "table/DataFileFormat.h"
#include "table/DataFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray Record(std::array<const char*, 3> cells, DataFileLayout layout) {
    QByteArray out;
    AppendRecord(
        out,
        {QString::fromUtf8(cells[0]), QString::fromUtf8(cells[1]), QString::fromUtf8(cells[2])},
        layout);
    return out;
}

TEST(DataFileFormat, HeaderInEachLayout) {
    EXPECT_EQ(Record({"= Point =", "= X Axis =", "= Y Axis ="}, DataFileLayout::FixedColumns),
              QByteArray("= Point =          = X Axis =          = Y Axis =\r\n"));
    EXPECT_EQ(Record({"= Point =", "= X Axis =", "= Y Axis ="}, DataFileLayout::Comma),
              QByteArray("\"= Point =\",\"= X Axis =\",\"= Y Axis =\"\r\n"));
    EXPECT_EQ(Record({"= Point =", "= X Axis =", "= Y Axis ="}, DataFileLayout::Tab),
              QByteArray("\t= Point =\t= X Axis =\t= Y Axis =\r\n"));
}

TEST(DataFileFormat, PaddedNumbersKeepTheirBlank) {
    EXPECT_EQ(Record({" 1", " 2.5", "-1"}, DataFileLayout::FixedColumns),
              QByteArray(" 1") + QByteArray(17, ' ') + " 2.5" + QByteArray(16, ' ') + "-1\r\n");
    EXPECT_EQ(Record({" 1", " 2.5", "-1"}, DataFileLayout::Comma),
              QByteArray("\" 1\",\" 2.5\",\"-1\"\r\n"));
}

TEST(DataFileFormat, LongTextsPushTheNextColumnOntoANewLine) {
    // 21 characters from column 20 reach column 40: Y goes to a new line after 39 blanks.
    EXPECT_EQ(Record({"1", "123456789012345678901", "7"}, DataFileLayout::FixedColumns),
              QByteArray("1                  123456789012345678901\r\n") + QByteArray(39, ' ') +
                  QByteArray("7\r\n"));
    // 20 characters end exactly at column 39: Y follows without a blank.
    EXPECT_EQ(Record({"1", "12345678901234567890", "7"}, DataFileLayout::FixedColumns),
              QByteArray("1                  123456789012345678907\r\n"));
    EXPECT_EQ(Record({"a point number longer than 19", "x", "y"}, DataFileLayout::FixedColumns),
              QByteArray("a point number longer than 19\r\n") + QByteArray(19, ' ') + "x" +
                  QByteArray(19, ' ') + "y\r\n");
}

TEST(DataFileFormat, QuotesAndNonAsciiAreWrittenAsTheyAre) {
    EXPECT_EQ(Record({"1", "say \"hi\"", "3"}, DataFileLayout::Comma),
              QByteArray("\"1\",\"say \"hi\"\",\"3\"\r\n"));
    EXPECT_EQ(Record({"1", "\xC2\xB5m", "3"}, DataFileLayout::Tab),
              QByteArray("\t1\t\xC2\xB5m\t3\r\n"));
}

class DataFileWriter : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        AppendPointRow(table, 1.0, 2.0);
    }
    QString Path(const char* name) { return folder.filePath(QString::fromLatin1(name)); }
    int ErrorNumberOf(const QString& path, WriteMode mode = WriteMode::Replace) {
        try {
            WriteDataFile(table, path, DataFileLayout::Comma, mode);
        } catch (const AppError& error) {
            EXPECT_TRUE(error.description.contains(QDir::toNativeSeparators(path)))
                << error.description.toStdString();
            return error.number;
        }
        return 0;
    }

    QTemporaryDir folder;
    DataTable table;
};

TEST_F(DataFileWriter, FoldersAndMissingFoldersAreRefused) {
    EXPECT_EQ(ErrorNumberOf(folder.path()), ErrorNumber::PathFileAccess);
    EXPECT_EQ(ErrorNumberOf(Path("no/such/folder/points.dat")), ErrorNumber::PathNotFound);
    EXPECT_EQ(ErrorNumberOf(Path("no/such/folder/points.dat"), WriteMode::Append),
              ErrorNumber::PathNotFound);
}

TEST_F(DataFileWriter, AFolderWeMayNotWriteIsPermissionDenied) {
    QString target;
    if (geteuid() == 0) {
        if (!QFileInfo(QStringLiteral("/sys/kernel")).isDir()) {
            GTEST_SKIP() << "no folder here that refuses even root";
        }
        target = QStringLiteral("/sys/kernel/kurvex-points.dat"); // even root may not write here
    } else {
        ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        target = Path("points.dat");
    }
    EXPECT_EQ(ErrorNumberOf(target), ErrorNumber::PermissionDenied);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(DataFileWriter, AFailedSaveLeavesTheEarlierFileIntact) {
    ASSERT_TRUE(WriteFile(Path("points.dat"), "earlier good data\r\n"));
    for (int i = 0; i < 20000; ++i) {
        AppendPointRow(table, i * 1.5, i * 2.5);
    }
    // The file may not grow past 4 KiB: the write fails half-way, as on a full disk.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int number = ErrorNumberOf(Path("points.dat"));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(number, 0);
    EXPECT_EQ(ReadFile(Path("points.dat")), QByteArray("earlier good data\r\n"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("points.dat")})
        << "no half-written file left beside it";
}

} // namespace
