#include "PictureFixture.h"
#include "core/ShownText.h"
#include "core/Startup.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "info/frmTip.h"
#include "mainwindow/HelpTopics.h"
#include "mainwindow/HelpWindow.h"
#include "mainwindow/StatusPanels.h"
#include "mainwindow/ToolbarIcons.h"
#include "mainwindow/frmMain.h"
#include "options/frmOptions.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStatusBar>
#include <QToolBar>

namespace {

class MainWindow : public PictureFixture {
protected:
    frmMain& Main() { return App().MainForm(); }

    // Caption and shortcut of every item of a menu, separators as "-".
    QStringList Describe(const char* menuName) {
        QStringList lines;
        for (QAction* action : Main().findChild<QMenu*>(QString::fromLatin1(menuName))->actions()) {
            if (action->isSeparator()) {
                lines << QStringLiteral("-");
            } else {
                lines << action->objectName() + QLatin1Char('|') + action->text() +
                             QLatin1Char('|') +
                             action->shortcut().toString(QKeySequence::PortableText);
            }
        }
        return lines;
    }
};

TEST_F(MainWindow, MenuBarHoldsTheSixMenus) {
    QStringList captions;
    for (QAction* action : Main().menuBar()->actions()) {
        captions << action->text();
    }
    EXPECT_EQ(captions, (QStringList{"&File", "&Picture", "&Data", "&View", "&Window", "&Help"}));
}

TEST_F(MainWindow, MenusHoldTheirItemsInOrder) {
    EXPECT_EQ(Describe("mnuFile"),
              (QStringList{"mnuFileNew|&New|Ctrl+N", "-",
                           "mnuFileOpenProject|Open Pro&ject...|Ctrl+Shift+O",
                           "mnuFileSaveProject|Sa&ve Project|Ctrl+Shift+S",
                           "mnuFileSaveProjectAs|Save Project &As...|", "-",
                           "mnuViewOptions|&Options...|Ctrl+O", "-",
                           "mnuFilePrint|&Print...|Ctrl+P", "-", "mnuFileExit|E&xit|"}));
    EXPECT_EQ(Describe("mnuPicture"),
              (QStringList{"mnuPictureScale|&Scale|Ctrl+M", "mnuPictureResetScale|&Reset Scale|",
                           "-", "mnuPictureImport|&Import|Ctrl+L", "mnuPicturePaste|&Paste|Ctrl+V",
                           "mnuPictureCapture|Cap&ture|Ctrl+T", "mnuPictureScanner|Scanne&r|Ctrl+R",
                           "-", "mnuPictureCopy|&Copy|"}));
    EXPECT_EQ(Describe("mnuData"),
              (QStringList{"mnuDataAR|A&utoRead|Ctrl+Y", "mnuDataSpline|&Interpolate|Ctrl+I", "-",
                           "mnuDataSave|&Save|Ctrl+S", "mnuDataSaveAs|Save &As...|",
                           "mnuDataAppendTo|A&ppend to...|Ctrl+A", "-", "mnuDataCopy|&Copy|Ctrl+C",
                           "|&Remove|", "|Sor&t|"}));
    EXPECT_EQ(Describe("mnuDataRemove"),
              (QStringList{"mnuDataRemoveSelected|Selected Values|", "mnuDataRemoveAll|All Values|",
                           "mnuDataRemoveRepeated|Repeated Values|"}));
    EXPECT_EQ(Describe("mnuDataSort"),
              (QStringList{"mnuDataSortX|Based on &X|", "mnuDataSortY|Based on &Y|"}));
    EXPECT_EQ(Describe("mnuView"),
              (QStringList{"mnuViewToolbar|&Toolbar|", "mnuViewStatusBar|Status &Bar|",
                           "mnuViewImageToolbar|&Image Toolbar|", "-", "mnuViewZoom|&Zoom |Ctrl+Z",
                           "mnuViewSteps|&Guide|Ctrl+G", "mnuViewRefresh|&Refresh|"}));
    EXPECT_EQ(Describe("mnuHelp"),
              (QStringList{"mnuHelpContents|&Contents|", "mnuHelpWin7|Help on &Windows 7 or Vista|",
                           "mnuHelpSearch|&Search For Help On...|", "-",
                           "mnuHelpAbout|&About Kurvex 2013...|"}));
    EXPECT_EQ(
        Describe("mnuPopUpMenu"),
        (QStringList{"mnuPopUpCopy|&Copy|", "-", "mnuPopUpRemove|&Remove|",
                     "mnuPopUpRemoveAll|R&emove All|", "mnuPopUpRemoveRepeated|Remove Repeated|",
                     "-", "mnuPopUpSave|&Save|", "mnuPopUpSaveAs|Save &As...|"}));
    EXPECT_EQ(Main().mnuPopUpMenu().title(), QStringLiteral("PopUpMenu"));
}

TEST_F(MainWindow, BarsStartCheckedAndToggle) {
    for (const char* name : {"mnuViewToolbar", "mnuViewStatusBar", "mnuViewImageToolbar"}) {
        EXPECT_TRUE(Main().Item(name).isChecked()) << name;
    }
    Main().Item("mnuViewToolbar").trigger();
    EXPECT_FALSE(Main().tbToolBar().isVisibleTo(&Main()));
    EXPECT_FALSE(Main().Item("mnuViewToolbar").isChecked());
    Main().mnuViewStatusBar_Click();
    EXPECT_FALSE(Main().statusBar()->isVisibleTo(&Main()));
    Main().mnuViewStatusBar_Click();
    EXPECT_TRUE(Main().statusBar()->isVisibleTo(&Main()));
    EXPECT_TRUE(Main().Item("mnuViewStatusBar").isChecked());
}

TEST_F(MainWindow, ToolbarHasSixteenButtonsInFiveGroups) {
    QStringList keys;
    for (QAction* action : Main().tbToolBar().actions()) {
        keys << (action->isSeparator() ? QStringLiteral("|") : action->data().toString());
    }
    EXPECT_EQ(
        keys.join(QLatin1Char(' ')),
        QStringLiteral("New Save Print | Paste Open | SortXY SortYX | RemoveAll RemoveRepeated "
                       "RemoveSelected | AutoRead Interpolate | Options Capture Scanner Zoom"));
    QStringList tips;
    for (QAction* action : Main().tbToolBar().actions()) {
        if (!action->isSeparator()) {
            tips << action->toolTip();
        }
    }
    EXPECT_EQ(tips,
              (QStringList{"New Picture", "Save Data Points", "Print Data Points", "Paste Picture",
                           "Open Picture File", "Sort based on X", "Sort based on Y", "Remove All",
                           "Remove Repeated Values", "Remove Selected Values", "Autoread points",
                           "Interpolate between already selected points", "Options",
                           "Capture Image from Screen", "Acquire Image from Scanner", "Zoom"}));
}

// Whether a pixmap shows something: some pixel is not transparent.
bool HasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 128) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(MainWindow, IconsAreDrawnSharpAtEverySizeAndScale) {
    QList<QIcon> icons;
    for (QAction* action : Main().tbToolBar().actions()) {
        if (!action->isSeparator()) {
            icons << action->icon();
        }
    }
    icons << ProgramIcon();
    ASSERT_EQ(icons.size(), 17);
    QSet<QByteArray> drawings;
    for (int i = 0; i < icons.size(); ++i) {
        for (const int size : {16, 24, 32}) {
            for (const qreal scale : {1.0, 2.0}) {
                // A drawing, not a small bitmap blown up: the pixmap has the device's pixels.
                const QPixmap pixmap = icons[i].pixmap(QSize(size, size), scale);
                EXPECT_EQ(pixmap.size(), QSize(size, size) * scale) << i;
                EXPECT_TRUE(HasInk(pixmap)) << i << " at " << size << " x" << scale;
            }
        }
        const QImage image = icons[i].pixmap(24, 24).toImage();
        drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes())));
    }
    EXPECT_EQ(drawings.size(), icons.size()) << "every command has its own picture";
    EXPECT_TRUE(ToolbarIcon(QStringLiteral("Unknown")).isNull());
}

TEST_F(MainWindow, ToolbarKeysDoWhatTheirMenuItemsDo) {
    Main().tbToolBar_ButtonClick(QStringLiteral("Zoom"));
    EXPECT_FALSE(Main().Item("mnuViewZoom").isChecked()) << "the zoom window was shown at start";
    Main().tbToolBar_ButtonClick(QStringLiteral("Zoom"));
    EXPECT_TRUE(Main().Item("mnuViewZoom").isChecked());
    prompts->messageAnswers = {MessageAnswer::No};
    Main().tbToolBar_ButtonClick(QStringLiteral("Print"));
    EXPECT_EQ(prompts->messages.back().title, QStringLiteral("Print"));
    prompts->fileAnswers.push_back({QString(), 2});
    Main().tbToolBar_ButtonClick(QStringLiteral("Open"));
    EXPECT_EQ(prompts->fileRequests.back().filterIndex, 2);
    EXPECT_TRUE(prompts->fileRequests.back().mustExist);
    prompts->fileAnswers.push_back({QString(), 2});
    Main().tbToolBar_ButtonClick(QStringLiteral("Save"));
    EXPECT_EQ(prompts->fileRequests.back().defaultExtension, QStringLiteral(".dat"));
    Main().tbToolBar_ButtonClick(QStringLiteral("New"));
    EXPECT_FALSE(Surface().HasPicture());
    Main().tbToolBar_ButtonClick(QStringLiteral("Options"));
    EXPECT_TRUE(App().Options().isVisible());
}

TEST_F(MainWindow, ToolbarKeysRunTheirCommandsEvenWithTheDataMenuDisabled) {
    App().MainForm().findChild<QMenu*>(QStringLiteral("mnuData"))->setEnabled(false);
    AppendPointRow(Table(), 3.0f, 1.0f);
    AppendPointRow(Table(), 1.0f, 2.0f);
    Main().tbToolBar_ButtonClick(QStringLiteral("SortXY"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("1"));
    Main().tbToolBar_ButtonClick(QStringLiteral("SortYX"));
    EXPECT_TRUE(App().Data().OptSortY().isChecked());
    Main().tbToolBar_ButtonClick(QStringLiteral("sortxy")); // keys are exact
    Main().tbToolBar_ButtonClick(QStringLiteral("Unknown"));
    EXPECT_TRUE(App().Data().OptSortY().isChecked());
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().tbToolBar().actions().at(10)->trigger(); // RemoveAll, through the button itself
    EXPECT_EQ(Table().RowCount(), 1);
}

TEST_F(MainWindow, HoveringTheToolbarShowsTheButtonsTooltip) {
    QToolBar& bar = Main().tbToolBar();
    bar.resize(bar.sizeHint());
    QCoreApplication::processEvents();
    QWidget* autoRead = bar.widgetForAction(bar.actions().at(14));
    ASSERT_NE(autoRead, nullptr);
    App().MouseOnPicture = true;
    QMouseEvent move(QEvent::MouseMove, QPointF(autoRead->width() / 2.0, 3), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(autoRead, &move);
    EXPECT_EQ(Main().PanelText(7), QStringLiteral("Autoread points"));
    EXPECT_FALSE(App().MouseOnPicture);
    EXPECT_EQ(Main().ButtonTip(static_cast<float>(autoRead->x()), 3), QString())
        << "the edge itself";
}

TEST_F(MainWindow, HelpWithoutAHelpFileSaysSo) {
    App().HelpFile.clear();
    Main().mnuHelpContents_Click();
    Main().mnuHelpSearch_Click();
    ASSERT_EQ(prompts->messages.size(), 2u);
    for (const auto& box : prompts->messages) {
        EXPECT_EQ(box.text, QStringLiteral("Unable to display Help Contents. There is no Help "
                                           "associated with this project."));
        EXPECT_EQ(box.title, QStringLiteral("Kurvex 2016"));
        EXPECT_EQ(box.icon, MessageIcon::Information);
    }
    EXPECT_EQ(Main().findChild<HelpWindow*>(), nullptr);
}

TEST_F(MainWindow, HelpOpensTheContentsOrAnEmptySearch) {
    Main().mnuHelpContents_Click();
    auto* help = Main().findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->CurrentPage(), QStringLiteral(":/help/index.html"));
    help->SearchField().setText(QStringLiteral("append"));
    EXPECT_EQ(help->Topics().count(), 2) << "saving and windows";
    Main().mnuHelpSearch_Click();
    EXPECT_TRUE(help->SearchField().text().isEmpty());
    EXPECT_EQ(help->Topics().count(), 7);
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(MainWindow, ViewerNoticeComesBeforeTheAddress) {
    Main().mnuHelpWin7_Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_TRUE(prompts->messages[0].text.startsWith(QStringLiteral(
        "Latest versions of Windows do not support help (.hlp) files. You'll need to install a "
        "small program from Microsoft's website to solve the problem. Go to: https://")));
    EXPECT_EQ(prompts->messages[0].title,
              QStringLiteral("Error opening help file in Win 7 or Vista"));
    ASSERT_EQ(shell->calls.size(), 1u);
    EXPECT_TRUE(prompts->messages[0].text.endsWith(shell->calls[0].file));
}

TEST_F(MainWindow, GuideStepsThroughSevenPagesAndWraps) {
    frmTip& guide = App().Tip();
    ASSERT_EQ(frmTip::Pages().size(), 7);
    EXPECT_EQ(guide.CurrentTip(), 1);
    EXPECT_TRUE(guide.TipText().startsWith(QStringLiteral("1. Get the picture")));
    for (int i = 0; i < 7; ++i) {
        guide.findChild<QPushButton*>(QStringLiteral("cmdNextTip"))->click();
    }
    EXPECT_EQ(guide.CurrentTip(), 1);
    guide.NextTip();
    EXPECT_EQ(guide.TipText(), ShownText(frmTip::Pages().at(1)));
    EXPECT_EQ(guide.findChild<QPushButton*>(QStringLiteral("cmdHelp"))->text(),
              QStringLiteral(" &Help"));
    EXPECT_TRUE(frmTip::Pages().at(6).endsWith(QStringLiteral("continously record data points.")));
}

TEST_F(MainWindow, GuideHiddenKeepsItsPageClosedStartsAgain) {
    ASSERT_TRUE(Main().Item("mnuViewSteps").isChecked());
    App().Tip().NextTip();
    App().Tip().NextTip();
    Main().mnuViewSteps_Click();
    EXPECT_FALSE(App().Tip().isVisible());
    Main().mnuViewSteps_Click();
    EXPECT_EQ(App().Tip().CurrentTip(), 3) << "hiding keeps the page";

    App().Tip().findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Main().Item("mnuViewSteps").isChecked());
    EXPECT_FALSE(App().TipLoaded());
    Main().mnuViewSteps_Click();
    EXPECT_EQ(App().Tip().CurrentTip(), 1) << "closing unloads it";
}

TEST_F(MainWindow, DefaultPositionsNeverFailOnAMinimisedOrMaximisedWindow) {
    App().Data().parentWidget()->showMinimized();
    App().Document().parentWidget()->showMaximized();
    Main().mnuWindowDefault_Click();
    EXPECT_FALSE(App().Data().parentWidget()->isMinimized());
    EXPECT_FALSE(App().Document().parentWidget()->isMaximized());
    EXPECT_EQ(App().Data().parentWidget()->pos(), QPoint(0, 0));
    Main().mnuWindowCascade_Click();
    Main().mnuWindowTileHorizontal_Click();
    EXPECT_EQ(App().Data().parentWidget()->width(), App().Document().parentWidget()->width());
    Main().mnuWindowTileVertical_Click();
    EXPECT_EQ(App().Data().parentWidget()->height(), App().Document().parentWidget()->height());
}

TEST_F(MainWindow, WindowMenuListsTheChildWindows) {
    QMenu* window = Main().findChild<QMenu*>(QStringLiteral("mnuWindow"));
    emit window->aboutToShow();
    QStringList listed;
    for (QAction* action : window->actions()) {
        if (action->property("windowListEntry").toBool() && !action->isSeparator()) {
            listed << action->text();
        }
    }
    EXPECT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed.join(QLatin1Char(' ')).contains(QStringLiteral("Data Points")));
    emit window->aboutToShow();
    int entries = 0;
    for (QAction* action : window->actions()) {
        entries += action->property("windowListEntry").toBool() && !action->isSeparator() ? 1 : 0;
    }
    EXPECT_EQ(entries, 2) << "the list is rebuilt, not added to";
}

TEST_F(MainWindow, NewPictureKeepsThePoints) {
    AppendPointRow(Table(), 1.0f, 1.0f);
    Main().Item("mnuFileNew").setEnabled(true);
    Main().Item("mnuFileNew").trigger();
    EXPECT_FALSE(Surface().HasPicture());
    EXPECT_EQ(Table().PointCount(), 1);
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("Picture File"));
}

// A topic is found when its title and text hold every word, in any case.
TEST(SearchHelp, EveryWordMustBeInTheTopic) {
    const std::vector<HelpTopic> topics{{QStringLiteral("Saving"), QStringLiteral("a")},
                                        {QStringLiteral("Printing"), QStringLiteral("b")}};
    const auto text = [](const QString& resource) {
        return resource == QStringLiteral("a") ? QStringLiteral("Append to a file")
                                               : QStringLiteral("the table on paper");
    };
    const auto titles = [&](const char* query) {
        QStringList found;
        for (const HelpTopic& topic : SearchHelp(topics, QString::fromLatin1(query), text)) {
            found << topic.title;
        }
        return found;
    };
    EXPECT_EQ(titles("APPEND  file"), QStringList{QStringLiteral("Saving")});
    EXPECT_EQ(titles("append paper"), QStringList());
    EXPECT_EQ(titles("printing TABLE"), QStringList{QStringLiteral("Printing")});
    EXPECT_EQ(titles(" "), (QStringList{QStringLiteral("Saving"), QStringLiteral("Printing")}));
}

} // namespace
