#include "acquisition/PdfPages.h"
#include "TestPdf.h"
#include "acquisition/CopiedFile.h"
#include "acquisition/DecoderProcess.h"
#include "acquisition/Module2.h"
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

LoadedPicture Render(const QByteArray& pdf, int page, int dotsPerInch) {
    return RenderPdfPage(pdf, Name, {page, dotsPerInch, false});
}

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
    const QByteArray good = TestPdf::PlotPages(TestPdf::TwoPlots());
    struct Case {
        const char* what;
        QByteArray pdf;
        PdfPageRequest request;
        const char* reason;
    };
    const Case cases[] = {
        {"encrypted", TestPdf::Encrypted(), {}, "the PDF is encrypted and needs a password"},
        {"no pages", TestPdf::NoPages(), {}, "the PDF has no pages"},
        {"damaged", QByteArray("%PDF-1.4\nnothing else"), {}, "the PDF is damaged"},
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

TEST(PdfPages, APageAboveThePixelLimitNamesAResolutionThatFits) {
    // A 100-inch square page: 8192 pixels a side is the most, so 81 dpi is the last that fits.
    const QSizeF poster(7200, 7200);
    EXPECT_EQ(MostFittingPdfDotsPerInch(poster), 81);
    EXPECT_TRUE(PdfPageTooLargeReason(poster, 81).isEmpty());
    EXPECT_EQ(PdfPageTooLargeReason(poster, 300),
              QStringLiteral("the page at 300 dpi would have 30000 x 30000 pixels; at most 64 "
                             "megapixels can be read: 81 dpi or less fits"));
    const AppError error = RefusalOf(TestPdf::PosterPage(100), {1, 82, false});
    EXPECT_TRUE(error.description.endsWith(QStringLiteral(": 81 dpi or less fits)")))
        << error.description.toStdString();
    EXPECT_TRUE(PdfPageTooLargeReason({20000, 20000}, 72)
                    .endsWith(QStringLiteral("and the page is too large even at 72 dpi")));
    // A4 passes the limit above 833 dpi (6884 x 9742 pixels fit, 6892 x 9753 do not); a
    // small page fits at every resolution offered, a page without size at none.
    EXPECT_EQ(MostFittingPdfDotsPerInch(TestPdf::A4Points), 833);
    EXPECT_EQ(MostFittingPdfDotsPerInch({200, 100}), MostPdfDotsPerInch);
    EXPECT_EQ(MostFittingPdfDotsPerInch({0, 842}), 0);
    EXPECT_EQ(PdfPageTooLargeReason({0, 842}, 300), QStringLiteral("the page has no size"));
}

TEST(PdfPages, TheDecoderProcessRendersThePageAndReportsItsRefusals) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    const QByteArray pdf = TestPdf::PlotPages(TestPdf::TwoPlots());
    const QString plots = write("plots.pdf", pdf);
    const std::optional<LoadedPicture> page = DecodeInChildProcess(plots, {}, {2, 100, false});
    ASSERT_TRUE(page.has_value());
    EXPECT_EQ(page->image, Render(pdf, 2, 100).image);
    EXPECT_EQ(page->pdf.page, 2);
    EXPECT_EQ(page->pdf.pageCount, 2);
    EXPECT_EQ(page->pdf.points, TestPdf::A4Points);
    const std::optional<LoadedPicture> preview = DecodeInChildProcess(plots, {}, {1, 0, true});
    ASSERT_TRUE(preview.has_value());
    EXPECT_EQ(preview->image.height(), PdfPreviewSide);

    const QString locked = write("locked.pdf", TestPdf::Encrypted());
    try {
        DecodeInChildProcess(locked, {}, {});
        ADD_FAILURE() << "decoded";
    } catch (const AppError& error) {
        EXPECT_EQ(error.description,
                  QStringLiteral("Invalid picture: ") + locked +
                      QStringLiteral(" (the PDF is encrypted and needs a password)"));
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
