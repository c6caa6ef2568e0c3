#include "PictureFixture.h"
#include "windows/shared/PointerImages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

namespace {

class OptionsWindow : public PictureFixture {
protected:
    frmOptions& Options() { return App().Options(); }
};

TEST_F(OptionsWindow, SwatchesFollowTheDataColour) {
    Options().ToleranceBox().setText(QStringLiteral("100"));
    EXPECT_EQ(Options().SampleColor("frmTolMin"), PackedRgb(30, 205, 0));
    EXPECT_EQ(Options().SampleColor("frmTolMax"), PackedRgb(130, 255, 80));
    // p - 50 + 50/15 and p + 50 - 50/15, rounded and limited to 0..255.
    EXPECT_EQ(Options().SampleColor("frmTOL1"), PackedRgb(33, 208, 0));
    EXPECT_EQ(Options().SampleColor("frmTOL15"), PackedRgb(127, 255, 77));
    Options().ToleranceBox().setText(QStringLiteral("101")); // half of it, 50.5, rounds to 50
    EXPECT_EQ(Options().SampleColor("frmTolMin"), PackedRgb(30, 205, 0));
}

TEST_F(OptionsWindow, GridPreviewAndItsCheckBox) {
    LoadWhitePicture(100, 100);
    Surface().SetScale({0, 100, 100, 0});
    Surface().PSet(55, 45, PackedRgb(255, 0, 0));
    Options().TxtCols().setText(QStringLiteral("10"));
    Surface().PSet(55, 45, PackedRgb(255, 0, 0));
    Options().TxtRows().setText(QStringLiteral("4"));
    EXPECT_EQ(App().session.settings.GridRows, 4);
    // Columns every 10 pixels, rows every 25, from the top left corner.
    EXPECT_NE(Surface().PixelColor(3, 0), 0xFFFFFF) << "a grid line along the top";
    EXPECT_NE(Surface().PixelColor(10, 3), 0xFFFFFF);
    EXPECT_NE(Surface().PixelColor(3, 25), 0xFFFFFF);
    EXPECT_EQ(Surface().PixelColor(5, 10), 0xFFFFFF);
    EXPECT_EQ(Surface().PixelColor(25, 5), 0xFFFFFF);
    EXPECT_EQ(Surface().PixelColor(55, 55), 0xFFFFFF) << "the marks are erased by the preview";
    Options().TxtRows().setText(QStringLiteral("0"));
    EXPECT_EQ(App().session.settings.GridRows, 0) << "stored, even if no grid can be drawn";
    Surface().Erase();
    Options().ShowGrid();
    EXPECT_EQ(Surface().DrawnImage(), Surface().Picture()) << "no grid for 0 rows";
    Surface().PSet(55, 45, PackedRgb(255, 0, 0));
    Options().ChkGrid().click();
    EXPECT_FALSE(Options().ChkGrid().isChecked());
    EXPECT_EQ(Surface().DrawnImage(), Surface().Picture()) << "unchecking erases the marks too";
}

TEST_F(OptionsWindow, DotSizeAndPointerApplyToThePicture) {
    Options().TxtRadius().setText(QStringLiteral("5"));
    EXPECT_EQ(App().session.settings.DotSize, 5);
    EXPECT_EQ(Surface().DrawWidth(), 5);
    Options().TxtRadius().setText(QStringLiteral("0"));
    EXPECT_EQ(App().session.settings.DotSize, 5) << "a width the picture cannot take is not taken";
    Options().PointerSlider().setValue(3);
    EXPECT_EQ(App().session.settings.PointerIndex, 3);
    EXPECT_EQ(Surface().PointerIndex(), 3);
    EXPECT_EQ(Options().PointerSlider().maximum(), PointerImageCount - 1);
}

TEST_F(OptionsWindow, NumbersFromTheBoxesAreStored) {
    Options().TxtSplinePoints().setText(QStringLiteral("12.5 points"));
    EXPECT_EQ(App().session.settings.SplinePoints, 12) << "numeric prefix, halves to even";
    Options().OptSplineY().click();
    EXPECT_FALSE(App().session.settings.SplineOnX);
    Options().TxtCols().setText(QStringLiteral("1e99"));
    EXPECT_EQ(App().session.settings.GridCols, 50) << "too large for the setting: left as it was";
}

TEST_F(OptionsWindow, NumbersPastTheirLimitAreRefusedOnceWithAMessage) {
    struct Case {
        QLineEdit& box;
        const char* tooLarge;
        std::int32_t Settings::*setting;
        const char* fits;
        std::int32_t stored;
    };
    const Case cases[] = {
        {Options().TxtCols(), "20001", &Settings::GridCols, "10000", 10000},
        {Options().TxtRows(), "2000000000", &Settings::GridRows, "7", 7},
        {Options().TxtSplinePoints(), "2000000000", &Settings::SplinePoints, "1000000", 1000000},
        {Options().TxtRadius(), "500", &Settings::DotSize, "100", 100},
    };
    for (const Case& c : cases) {
        const std::int32_t before = App().session.settings.*c.setting;
        prompts->messages.clear();
        c.box.setText(QString::fromLatin1(c.tooLarge));
        EXPECT_EQ(App().session.settings.*c.setting, before) << c.tooLarge;
        EXPECT_EQ(c.box.text(), QString::fromLatin1(c.tooLarge)) << "the text stays as typed";
        EXPECT_TRUE(prompts->OnlyMessage().contains(QStringLiteral(" can be at most ")));
        Options().cmdApply_Click();
        EXPECT_EQ(prompts->messages.size(), 1u) << "the same text is not refused twice";
        c.box.setText(QString::fromLatin1(c.fits));
        EXPECT_EQ(App().session.settings.*c.setting, c.stored) << c.fits;
    }
}

// Data colour > pick: the options wait for a click on the picture, the picture shows the
// picker's pointer meanwhile, the colour under the pointer shows in the sample, and the click
// takes it as the auto-read colour without recording a point.
TEST_F(OptionsWindow, TheDataColourIsPickedFromAClickOnThePicture) {
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(qRgb(200, 200, 200));
    picture.setPixel(40, 60, qRgb(10, 20, 30));
    Surface().SetPicture(picture);
    Surface().SetScale({0, 100, 100, 0});
    const int rows = Table().RowCount();
    Options().cmdARdataColor_Click();
    EXPECT_TRUE(App().session.PickColorMode);
    EXPECT_EQ(Surface().PointerIndex(), ColourPickerPointer);
    App().Document().Picture2_MouseMove(0, 0, 20.5f, 79.5f); // pixel (20, 20)
    EXPECT_EQ(Options().DataColorSample(), PackedRgb(200, 200, 200));
    EXPECT_NE(App().session.settings.ARDataColor, PackedRgb(200, 200, 200)) << "not yet taken";
    App().Document().Picture2_MouseDown(MouseButton::Left, 0, 40.5f, 39.5f); // pixel (40, 60)
    EXPECT_FALSE(App().session.PickColorMode);
    EXPECT_EQ(App().session.settings.ARDataColor, PackedRgb(10, 20, 30));
    EXPECT_EQ(Surface().PointerIndex(), App().session.settings.PointerIndex);
    EXPECT_EQ(Table().RowCount(), rows) << "a pick records no point";
}

// The windows are made when first asked for; a pick works whichever came first.
using OptionsMadeAfterThePicture = AppFixture;

TEST_F(OptionsMadeAfterThePicture, StillTakeTheColourOfAClick) {
    frmDocument& document = App().Document();
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(10, 20, 30));
    document.Picture2().SetPicture(picture);
    App().Options().cmdARdataColor_Click();
    document.Picture2_MouseDown(MouseButton::Left, 0, 5, 5);
    EXPECT_EQ(App().session.settings.ARDataColor, PackedRgb(10, 20, 30));
}

} // namespace
