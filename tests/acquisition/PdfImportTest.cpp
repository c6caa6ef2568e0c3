#include "PictureFixture.h"
#include "TestPdf.h"
#include "acquisition/PdfPages.h"
#include "acquisition/frmPdfPage.h"
#include "core/Startup.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "table/DataTable.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

class PdfImport : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        AppendPointRow(Table(), 1.0f, 2.0f);
    }
    frmMain& Main() { return App().MainForm(); }
    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = m_folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Plots() { return Write("plots.pdf", TestPdf::PlotPages(TestPdf::TwoPlots())); }
    bool DataMenuEnabled() {
        return Main().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled();
    }

private:
    QTemporaryDir m_folder;
};

TEST_F(PdfImport, TheChosenPageCalibratesAndReadsBackItsPoint) {
    const QString path = Plots();
    prompts->pdfPageAnswers.push_back(PdfPageChoice{2, 150});
    ASSERT_TRUE(Main().ImportPictureFile(path));

    ASSERT_EQ(prompts->pdfPageQuestions.size(), 1u);
    const PdfPageQuestion& question = prompts->pdfPageQuestions[0];
    EXPECT_EQ(question.file, path);
    EXPECT_EQ(question.pageCount, 2);
    const PdfPagePreview second = question.previewOf(2);
    EXPECT_NE(TestPdf::MarkerCentre(second.image, Qt::blue), QPointF(-1, -1));
    EXPECT_EQ(TestPdf::MarkerCentre(question.firstPage.image, Qt::blue), QPointF(-1, -1));

    EXPECT_EQ(Surface().Picture().size(), QSize(1240, 1754));
    EXPECT_EQ(Surface().Type(), PictureType::PdfPage);
    EXPECT_EQ(Main().PanelText(2), path + QStringLiteral(" (page 2 of 2)"));
    EXPECT_TRUE(DataMenuEnabled());
    EXPECT_EQ(Table().PointCount(), 1);

    // Calibrate on the printed ticks, then click the marker: its values come back within a
    // pixel's worth.
    const auto pixelOf = [](QPointF points) {
        const QPointF at = points * 150 / 72.0;
        return QPoint(static_cast<int>(at.x()), static_cast<int>(at.y()));
    };
    EnterScaleMode();
    prompts->textAnswers = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("10"),
                            QStringLiteral("100")};
    prompts->messageAnswers.push_back(MessageAnswer::Yes);
    Press(Qt::LeftButton, pixelOf(TestPdf::FirstReference));
    Press(Qt::LeftButton, pixelOf(TestPdf::SecondReference));
    ASSERT_FALSE(App().ScaleModeOn);
    const QPointF marker = TestPdf::MarkerCentre(Surface().Picture(), Qt::blue);
    Press(Qt::LeftButton, QPoint(static_cast<int>(marker.x()), static_cast<int>(marker.y())));
    ASSERT_EQ(Table().PointCount(), 2);
    const TestPdf::PlotPage& plot = TestPdf::TwoPlots()[1];
    const double pixelX = 10 / (400 * 150 / 72.0);
    const double pixelY = 100 / (400 * 150 / 72.0);
    EXPECT_NEAR(Cell(2, 1).toDouble(), plot.X(), pixelX) << Cell(2, 1).toStdString();
    EXPECT_NEAR(Cell(2, 2).toDouble(), plot.Y(), pixelY) << Cell(2, 2).toStdString();
}

TEST_F(PdfImport, RefusalsAndCancelChangeNothing) {
    Main().SetPanelText(2, QStringLiteral("graph.png"));
    const QImage before = Surface().Picture();
    struct Case {
        const char* name;
        QByteArray pdf;
        std::optional<PdfPageChoice> answer; // when the dialog comes
        const char* reason;                  // empty for a quiet cancel
    };
    const Case cases[] = {
        {"locked.pdf", TestPdf::Encrypted(), std::nullopt, "the PDF is encrypted"},
        {"damaged.pdf", QByteArray("%PDF-1.5\n1 0 obj <<"), std::nullopt, "the PDF is damaged"},
        {"empty.pdf", TestPdf::NoPages(), std::nullopt, "the PDF has no pages"},
        {"poster.pdf", TestPdf::PosterPage(100), PdfPageChoice{1, 300}, "81 dpi or less fits"},
        {"cancelled.pdf", TestPdf::PlotPages(TestPdf::TwoPlots()), std::nullopt, ""},
    };
    for (const Case& refused : cases) {
        prompts->messages.clear();
        prompts->pdfPageQuestions.clear();
        const bool asks = refused.answer || *refused.reason == '\0';
        if (asks) {
            prompts->pdfPageAnswers.push_back(refused.answer);
        }
        const QString path = Write(refused.name, refused.pdf);
        EXPECT_FALSE(Main().ImportPictureFile(path)) << refused.name;
        EXPECT_EQ(prompts->pdfPageQuestions.size(), asks ? 1u : 0u) << refused.name;
        if (*refused.reason == '\0') {
            EXPECT_TRUE(prompts->messages.empty());
        } else {
            ASSERT_EQ(prompts->messages.size(), 1u) << refused.name;
            EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Error"));
            EXPECT_TRUE(prompts->messages[0].text.contains(path)) << refused.name;
            EXPECT_TRUE(prompts->messages[0].text.contains(QString::fromLatin1(refused.reason)))
                << prompts->messages[0].text.toStdString();
        }
        EXPECT_EQ(Surface().Picture(), before) << refused.name;
        EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png")) << refused.name;
    }
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(PdfImport, NamedAtTheStartItAsksForItsPageOnceTheSplashHasGone) {
    const QString path = Plots();
    App().Document().Picture2().SetPicture({});
    bool askedDuringSplash = false;
    clock->onWait = [&] {
        askedDuringSplash = askedDuringSplash || !prompts->pdfPageQuestions.empty();
    };
    prompts->pdfPageAnswers.push_back(PdfPageChoice{2, 72});
    ::Main(path);
    EXPECT_FALSE(askedDuringSplash);
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_EQ(prompts->pdfPageQuestions.size(), 1u);
    EXPECT_EQ(Main().PanelText(2), path + QStringLiteral(" (page 2 of 2)"));
}

class PdfPageDialog : public AppFixture {
protected:
    PdfPageQuestion Question(int pageCount, QSizeF points) {
        PdfPageQuestion question;
        question.file = QStringLiteral("/papers/figure.pdf");
        question.pageCount = pageCount;
        QImage first(170, 240, QImage::Format_RGB32);
        first.fill(Qt::white);
        question.firstPage = {first, points};
        question.previewOf = [this, points](int page) -> PdfPagePreview {
            asked.push_back(page);
            if (page == 3) {
                return {};
            }
            QImage image(100 + page, 240, QImage::Format_RGB32);
            image.fill(Qt::gray);
            return {image, points};
        };
        return question;
    }
    std::vector<int> asked;
};

TEST_F(PdfPageDialog, ShowsThePageAndTheSizeAndRefusesTooLargeAResolution) {
    frmPdfPage dialog(Question(3, TestPdf::A4Points));
    auto* page = dialog.findChild<QSpinBox*>(QStringLiteral("spnPage"));
    auto* resolution = dialog.findChild<QSpinBox*>(QStringLiteral("spnResolution"));
    auto* preview = dialog.findChild<QLabel*>(QStringLiteral("lblPreview"));
    auto* size = dialog.findChild<QLabel*>(QStringLiteral("lblSize"));
    QPushButton* import = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_EQ(page->maximum(), 3);
    EXPECT_EQ(resolution->value(), 300);
    EXPECT_EQ(size->text(), QStringLiteral("2479 x 3508 pixels"));
    EXPECT_EQ(preview->pixmap().width(), 170);
    EXPECT_TRUE(asked.empty()) << "the first page's preview came with the question";

    page->setValue(2);
    EXPECT_EQ(asked, std::vector<int>{2});
    EXPECT_EQ(preview->pixmap().width(), 102);
    resolution->setValue(150);
    EXPECT_EQ(size->text(), QStringLiteral("1240 x 1754 pixels"));
    EXPECT_TRUE(import->isEnabled());
    EXPECT_EQ(dialog.Choice().page, 2);
    EXPECT_EQ(dialog.Choice().dotsPerInch, 150);

    page->setValue(3);
    EXPECT_EQ(preview->text(), QStringLiteral("Page 3 cannot be shown."));
    EXPECT_FALSE(import->isEnabled());

    frmPdfPage poster(Question(1, {7200, 7200}));
    auto* posterSize = poster.findChild<QLabel*>(QStringLiteral("lblSize"));
    QPushButton* posterImport = poster.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_EQ(posterSize->text(),
              QStringLiteral("Too large a picture at this resolution: 81 dpi or less fits."));
    EXPECT_FALSE(posterImport->isEnabled());
    poster.findChild<QSpinBox*>(QStringLiteral("spnResolution"))->setValue(81);
    EXPECT_EQ(posterSize->text(), QStringLiteral("8100 x 8100 pixels"));
    EXPECT_TRUE(posterImport->isEnabled());
    auto* form = qobject_cast<QFormLayout*>(poster.layout());
    EXPECT_FALSE(form->isRowVisible(poster.findChild<QSpinBox*>(QStringLiteral("spnPage"))))
        << "one page: nothing to choose";
}

} // namespace
