#include "PictureFixture.h"
#include "core/Calibration.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// On the 200 x 100 picture the neutral frame puts pixel (40, 70) at (2, 3) and (160, 30) at
// (8, 7).
const QPoint FirstReference(40, 70);
const QPoint SecondReference(160, 30);

class Digitizing : public PictureFixture {
protected:
    void AnswerReference(const char* x, const char* y) {
        prompts->textAnswers.push_back(QString::fromLatin1(x));
        prompts->textAnswers.push_back(QString::fromLatin1(y));
    }

    // Calibrates with the worked example: (2, 3) as (100, 50) and (8, 7) as (400, 90), then
    // leaves scale mode.
    void Calibrate() {
        EnterScaleMode();
        AnswerReference("100", "50");
        Press(Qt::LeftButton, FirstReference);
        AnswerReference("400", "90");
        prompts->messageAnswers.push_back(MessageAnswer::Yes);
        Press(Qt::LeftButton, SecondReference);
        prompts->messages.clear();
        prompts->textPrompts.clear();
    }
};

// A reference value that is no number reads as zero and says why.
TEST_F(Digitizing, ReferenceValuesThatAreNoNumberReadAsZero) {
    const struct {
        const char* x;
        const char* y;
        double readX, readY;
        const char* message;
    } cases[] = {{"", "abc", 0, 0,
                  "You have pressed CANCEL.\r\nYou will need to select your points again.\r\n"
                  "Meanwhile zero will be used."},
                 {"1e999", "5", 0, 5, "Error #  6 was generated. \rOverflow"}};
    for (const auto& c : cases) {
        EnterScaleMode();
        AnswerReference(c.x, c.y);
        Press(Qt::LeftButton, FirstReference);
        EXPECT_EQ(prompts->OnlyMessage(), QString::fromLatin1(c.message));
        EXPECT_EQ(App().session.calibration.X1, c.readX);
        EXPECT_EQ(App().session.calibration.Y1, c.readY);
        Main().mnuPictureScale_Click(); // out of scale mode again
        prompts->messages.clear();
    }
    EXPECT_EQ(prompts->textPrompts.at(1).title, QStringLiteral("Y value of Point 1"));
}

TEST_F(Digitizing, CalibratedClickRecordsDataValuesOnALogAxis) {
    App().session.settings.XLog = true;
    EnterScaleMode();
    AnswerReference("10", "50");
    Press(Qt::LeftButton, FirstReference);
    AnswerReference("1000", "90");
    prompts->messageAnswers.push_back(MessageAnswer::Yes);
    Press(Qt::LeftButton, SecondReference);
    // log10 x runs from 1/3 at the left edge to 11/3 at the right: pixel 100 is log10 x = 2.
    Press(Qt::LeftButton, QPoint(100, 50));
    ASSERT_EQ(Table().RowCount(), 2);
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 100"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral(" 70"));
    EXPECT_EQ(App().Document().windowTitle(), QStringLiteral("Picture"))
        << "a click alone does not move the caption";
    Move(Qt::NoButton, QPoint(100, 50));
    EXPECT_EQ(App().Document().windowTitle(), QStringLiteral("X=  100, Y=  70"));
}

TEST_F(Digitizing, RightButtonDragRecordsOncePerNewPosition) {
    Calibrate();
    Press(Qt::RightButton, QPoint(10, 10));
    EXPECT_EQ(Table().RowCount(), 2) << "the press records its point";
    Move(Qt::RightButton, QPoint(11, 10));
    Move(Qt::RightButton, QPoint(11, 10));
    EXPECT_EQ(Table().RowCount(), 3) << "a repeated position records nothing";
    Move(Qt::RightButton, QPoint(12, 11));
    EXPECT_EQ(Table().RowCount(), 4);
    Move(Qt::LeftButton | Qt::RightButton, QPoint(13, 12));
    Move(Qt::LeftButton, QPoint(14, 12));
    EXPECT_EQ(Table().RowCount(), 4) << "both buttons, or the left alone, record nothing";
    EXPECT_EQ(Main().PanelText(3).left(3), QStringLiteral("X= ")) << "but the read-out follows";
}

TEST_F(Digitizing, EscapeRemovesTheLastPointOnlyWhenAllowed) {
    Press(Qt::LeftButton, QPoint(10, 10));
    Press(Qt::LeftButton, QPoint(20, 20));
    Press(Qt::LeftButton, QPoint(30, 30));
    App().session.settings.EscUndo = false;
    App().Document().Form_KeyDown(frmDocument::EscapeKey, 0);
    EXPECT_EQ(Table().RowCount(), 4);
    App().Document().UndoLastPoint();
    EXPECT_EQ(Table().RowCount(), 3) << "the button works whatever the option";
    App().session.settings.EscUndo = true;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&Surface(), &escape); // the picture has the focus
    ASSERT_EQ(Table().RowCount(), 2) << "one key, one point";
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 0.5")) << "the first point stays";
    EXPECT_EQ(Surface().PixelColor(20, 20), 0xFFFFFF) << "removed markers vanish";
    App().Document().Form_KeyDown(frmDocument::EscapeKey, 0);
    ASSERT_EQ(Table().RowCount(), 1);
    App().Document().UndoLastPoint();
    ASSERT_EQ(Table().RowCount(), 1);
    EXPECT_EQ(Cell(0, 0), QStringLiteral("= Point =")) << "an empty table keeps its header";
}

} // namespace
