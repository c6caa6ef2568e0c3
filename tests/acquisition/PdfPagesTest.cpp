#include "decoding/PdfPages.h"
#include "TestData.h"
#include "TestPdf.h"
#include "core/AppError.h"
#include "core/RegularFile.h"
#include "decoding/CopiedFile.h"
#include "decoding/PictureDecoding.h"
#include "decoding/PictureFiles.h"
#include "project/ProjectFile.h"

#include <QBuffer>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString Name = QStringLiteral("/papers/figure.pdf");

AppError RefusalOf(const QByteArray& pdf, PdfPageRequest request) {
    try {
        RenderPdfPage(pdf, Name, request);
    } catch (const AppError& error) {
        return error;
    }
    ADD_FAILURE() << "rendered";
    return {};
}

TEST(PdfPages, FilesThatCannotBeReadAreRefusedByName) {
    const QByteArray good = Bytes("plots.pdf");
    struct Case {
        const char* what;
        QByteArray pdf;
        PdfPageRequest request;
        const char* reason;
    };
    const Case cases[] = {
        {"encrypted", Bytes("encrypted.pdf"), {}, "the PDF is encrypted and needs a password"},
        {"no pages", Bytes("no-pages.pdf"), {}, "the PDF has no pages"},
        {"damaged", Bytes("damaged.pdf"), {}, "the PDF is damaged"},
        {"truncated", good.left(good.size() / 2), {}, "the PDF is damaged"},
        {"page past the end", good, {3, 300, false}, "the PDF has no page 3; its pages are 1 to 2"},
        {"page zero", good, {0, 300, false}, "the PDF has no page 0"},
        {"below 72 dpi", good, {1, 71, false}, "rendered at 72 to 1200 dpi, not at 71"},
        {"above 1200 dpi", good, {1, 1201, false}, "not at 1201"},
    };
    for (const Case& refused : cases) {
        const AppError error = RefusalOf(refused.pdf, refused.request);
        EXPECT_EQ(error.number, 481) << refused.what;
        EXPECT_TRUE(error.description.startsWith(QStringLiteral("Invalid picture: ") + Name))
            << refused.what;
        EXPECT_TRUE(error.description.contains(QString::fromLatin1(refused.reason)))
            << refused.what << ": " << error.description.toStdString();
    }
}

// A picture is what its first bytes say, whatever its texts hold; a PDF's mark may follow junk.
TEST(PdfPages, APictureIsWhatItsSignatureSaysEvenWithAPdfMarkInside) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setText(QStringLiteral("Comment"), QStringLiteral("%PDF-1.4 made by hand"));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "png"));
    ASSERT_TRUE(png.left(1024).contains("%PDF-"));
    EXPECT_FALSE(LooksLikePdf(png));
    const QByteArray mark = QByteArray(16, ' ') + "%PDF-1.4";
    for (const QByteArray& signature :
         {QByteArray("\xff\xd8\xff\xe0"), QByteArray("GIF89a"), QByteArray("BM"),
          QByteArray("\0\0\1\0", 4), QByteArray("II*\0", 4), QByteArray("MM\0*", 4),
          QByteArray("RIFF\0\0\0\0WEBP", 12), QByteArray("\xd7\xcd\xc6\x9a")}) {
        EXPECT_FALSE(LooksLikePdf(signature + mark)) << signature.toHex().toStdString();
    }
    EXPECT_TRUE(LooksLikePdf("%PDF-1.4\n"));
    EXPECT_TRUE(LooksLikePdf("junk before\n%PDF-1.7\n"));
    EXPECT_TRUE(LooksLikePdf(Bytes("plots.pdf")));
    EXPECT_FALSE(LooksLikePdf(QByteArray(1024, ' ') + "%PDF-")) << "past the first kilobyte";
}

// Only regular files are ever opened: a named pipe would block the program in open().
TEST(PictureFiles, PipesDevicesAndFoldersAreRefusedWithoutWaiting) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile file;
    QString problem;
    EXPECT_FALSE(OpenRegularFile(file, pipe, &problem));
    EXPECT_EQ(problem, QStringLiteral("a named pipe"));
    EXPECT_FALSE(OpenRegularFile(file, QStringLiteral("/dev/zero"), &problem));
    EXPECT_EQ(problem, QStringLiteral("a device"));
    EXPECT_FALSE(OpenRegularFile(file, folder.path(), &problem));
    EXPECT_EQ(problem, QStringLiteral("a folder"));
    EXPECT_FALSE(IsPdfFile(pipe));
    EXPECT_FALSE(IsProjectFile(pipe));

    const auto refusal = [](const QString& path) {
        try {
            (void)ReadPictureFile(path);
        } catch (const AppError& error) {
            return error;
        }
        return AppError{};
    };
    EXPECT_EQ(refusal(pipe).number, 481);
    EXPECT_TRUE(
        refusal(pipe).description.endsWith(QStringLiteral("(it is a named pipe, not a file)")));
    EXPECT_TRUE(
        refusal(QStringLiteral("/dev/zero")).description.contains(QStringLiteral("a device")));
    EXPECT_EQ(refusal(folder.path()).number, 53);
    EXPECT_EQ(refusal(folder.filePath(QStringLiteral("missing.png"))).number, 53);

    const QString real = folder.filePath(QStringLiteral("real.pdf"));
    ASSERT_TRUE(WriteFile(real, Bytes("plots.pdf")));
    ASSERT_TRUE(OpenRegularFile(file, real, &problem));
    EXPECT_EQ(file.readAll(), Bytes("plots.pdf")) << "read whole, as a blocking file";
    EXPECT_TRUE(IsPdfFile(real));
}

// What a paste takes for a file: the first local file address, or a text that is the full path
// of an existing file and nothing else.
TEST(CopiedFile, AFileAddressOrTheFullPathOfAFile) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("plot.pdf"));
    QFile(file).open(QIODevice::WriteOnly);
    QMimeData addresses;
    addresses.setUrls(
        {QUrl(QStringLiteral("https://example.org/a.pdf")), QUrl::fromLocalFile(file)});
    EXPECT_EQ(CopiedFile(&addresses), file);
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const struct {
        QString text;
        QString taken;
    } cases[] = {{QStringLiteral("  ") + file + QStringLiteral("\n"), file},
                 {QStringLiteral("plot.pdf"), QString()},
                 {folder.path(), QString()},
                 {file + QStringLiteral("\n") + file, QString()},
                 {folder.filePath(QStringLiteral("gone.pdf")), QString()}};
    for (const auto& c : cases) {
        QMimeData text;
        text.setText(c.text);
        EXPECT_EQ(CopiedFile(&text), c.taken) << c.text.toStdString();
    }
    QDir::setCurrent(before);
    EXPECT_EQ(CopiedFile(nullptr), QString());
}

} // namespace
