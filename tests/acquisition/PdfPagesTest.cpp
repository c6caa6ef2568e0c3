#include "acquisition/PdfPages.h"
#include "TestData.h"
#include "TestPdf.h"
#include "acquisition/CopiedFile.h"
#include "acquisition/PictureDecoding.h"
#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

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
