#include "PictureFixture.h"
#include "TestData.h"
#include "TestPdf.h"
#include "app/Startup.h"

#include <QMenu>

namespace {

class PdfImport : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        AppendPointRow(Table(), 1.0f, 2.0f);
    }
    bool DataMenuEnabled() {
        return Main().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled();
    }
};

TEST_F(PdfImport, TheChosenPageCalibratesAndReadsBackItsPoint) {
    const QString path = Data("plots.pdf");
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
    ASSERT_FALSE(App().session.ScaleModeOn);
    const QPointF marker = TestPdf::MarkerCentre(Surface().Picture(), Qt::blue);
    Press(Qt::LeftButton, QPoint(static_cast<int>(marker.x()), static_cast<int>(marker.y())));
    ASSERT_EQ(Table().PointCount(), 2);
    const TestPdf::PlotPage& plot = TestPdf::TwoPlots[1];
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
        std::optional<PdfPageChoice> answer; // when the dialog comes
        const char* reason;                  // empty for a quiet cancel
    };
    const Case cases[] = {
        {"encrypted.pdf", std::nullopt, "the PDF is encrypted"},
        {"damaged.pdf", std::nullopt, "the PDF is damaged"},
        {"no-pages.pdf", std::nullopt, "the PDF has no pages"},
        {"poster.pdf", PdfPageChoice{1, 300}, "81 dpi or less fits"},
        {"plots.pdf", std::nullopt, ""}, // the page dialog cancelled
    };
    for (const Case& refused : cases) {
        prompts->messages.clear();
        prompts->pdfPageQuestions.clear();
        const bool asks = refused.answer || *refused.reason == '\0';
        if (asks) {
            prompts->pdfPageAnswers.push_back(refused.answer);
        }
        const QString path = Data(refused.name);
        EXPECT_FALSE(Main().ImportPictureFile(path)) << refused.name;
        EXPECT_EQ(prompts->pdfPageQuestions.size(), asks ? 1u : 0u) << refused.name;
        if (*refused.reason == '\0') {
            EXPECT_TRUE(prompts->messages.empty());
        } else {
            ASSERT_EQ(prompts->messages.size(), 1u) << refused.name;
            EXPECT_TRUE(prompts->messages[0].text.contains(path)) << refused.name;
            EXPECT_TRUE(prompts->messages[0].text.contains(QString::fromLatin1(refused.reason)))
                << prompts->messages[0].text.toStdString();
        }
        EXPECT_EQ(Surface().Picture(), before) << refused.name;
        EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png")) << refused.name;
    }
    EXPECT_EQ(Table().PointCount(), 1);
}

} // namespace
