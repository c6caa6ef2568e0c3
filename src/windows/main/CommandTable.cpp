#include "windows/main/CommandTable.h"

#include "windows/main/frmMain.h"

#include <QString>

#include <cstring>
#include <utility>

namespace {

constexpr TopMenu Menus[] = {
    {"mnuFile", "&File", true},       {"mnuEdit", "&Edit", true},
    {"mnuPicture", "&Picture", true}, {"mnuData", "&Data", true},
    {"mnuView", "&View", true},       {"mnuWindow", "&Window", true},
    {"mnuHelp", "&Help", true},       {"mnuPopUpMenu", "PopUpMenu", false},
};

using K = EntryKind;

constexpr MenuEntry Entries[] = {
    {K::Item, "mnuFile", "mnuFileNew", "&New", "Ctrl+N", false, false,
     [](frmMain& m) { m.mnuFileNew_Click(); }},
    {K::Separator, "mnuFile", "mnuFileProjectBar", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuFile", "mnuFileOpenProject", "Open Pro&ject...", "Ctrl+Shift+O", false, false,
     [](frmMain& m) { m.mnuFileOpenProject_Click(); }},
    {K::Item, "mnuFile", "mnuFileSaveProject", "Sa&ve Project", "Ctrl+Shift+S", false, false,
     [](frmMain& m) { m.mnuFileSaveProject_Click(); }},
    {K::Item, "mnuFile", "mnuFileSaveProjectAs", "Save Project &As...", nullptr, false, false,
     [](frmMain& m) { m.mnuFileSaveProjectAs_Click(); }},
    {K::Separator, "mnuFile", "mnuFileBar1", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuFile", "mnuViewOptions", "&Options...", "Ctrl+O", false, false,
     [](frmMain& m) { m.mnuViewOptions_Click(); }},
    {K::Separator, "mnuFile", "mnuFileBar2", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuFile", "mnuFilePrint", "&Print...", "Ctrl+P", false, false,
     [](frmMain& m) { m.mnuFilePrint_Click(); }},
    {K::Separator, "mnuFile", "mnuFileBar3", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuFile", "mnuFileExit", "E&xit", nullptr, false, false,
     [](frmMain& m) { m.mnuFileExit_Click(); }},

    {K::Item, "mnuEdit", "mnuEditUndo", "&Undo", "Alt+Backspace", false, false,
     [](frmMain& m) { m.mnuEditUndo_Click(); }},
    {K::Item, "mnuEdit", "mnuEditRedo", "&Redo", "Alt+Shift+Backspace", false, false,
     [](frmMain& m) { m.mnuEditRedo_Click(); }},

    {K::Item, "mnuPicture", "mnuPictureScale", "&Scale", "Ctrl+M", true, false,
     [](frmMain& m) { m.mnuPictureScale_Click(); }},
    {K::Item, "mnuPicture", "mnuPictureResetScale", "&Reset Scale", nullptr, false, false,
     [](frmMain& m) { m.mnuPictureResetScale_Click(); }},
    {K::Item, "mnuPicture", "mnuPictureAutoScale", "Auto Scale", "Ctrl+Shift+M", false, false,
     [](frmMain& m) { m.mnuPictureAutoScale_Click(); }},
    {K::Separator, "mnuPicture", "mnuPictureBar1", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuPicture", "mnuPictureImport", "&Import", "Ctrl+L", false, false,
     [](frmMain& m) { m.mnuPictureImport_Click(); }},
    {K::Item, "mnuPicture", "mnuPicturePaste", "&Paste", "Ctrl+V", false, false,
     [](frmMain& m) { m.mnuPicturePaste_Click(); }},
    {K::Item, "mnuPicture", "mnuPictureCapture", "Cap&ture", "Ctrl+T", false, false,
     [](frmMain& m) { m.mnuPictureCapture_Click(); }},
    {K::Item, "mnuPicture", "mnuPictureScanner", "Scanne&r", "Ctrl+R", false, false,
     [](frmMain& m) { m.mnuPictureScanner_Click(); }},
    {K::Separator, "mnuPicture", "mnuPictureBar2", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuPicture", "mnuPictureCopy", "&Copy", nullptr, false, false,
     [](frmMain& m) { m.mnuPictureCopy_Click(); }},

    {K::Item, "mnuData", "mnuDataAR", "A&utoRead", "Ctrl+Y", false, false,
     [](frmMain& m) { m.mnuDataAR_Click(); }},
    {K::Item, "mnuData", "mnuDataSpline", "&Interpolate", "Ctrl+I", false, false,
     [](frmMain& m) { m.mnuDataSpline_Click(); }},
    {K::Item, "mnuData", "mnuDataReadCurve", "Read Curve", "Ctrl+Shift+R", false, false,
     [](frmMain& m) { m.mnuDataReadCurve_Click(); }},
    {K::Item, "mnuData", "mnuDataFindCurves", "Find Curves", "Ctrl+Shift+Y", false, false,
     [](frmMain& m) { m.mnuDataFindCurves_Click(); }},
    {K::Separator, "mnuData", "mnuDataBar3", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuData", "mnuDataSave", "&Save", "Ctrl+S", false, false,
     [](frmMain& m) { m.mnuDataSave_Click(); }},
    {K::Item, "mnuData", "mnuDataSaveAs", "Save &As...", nullptr, false, false,
     [](frmMain& m) { m.mnuDataSaveAs_Click(); }},
    {K::Item, "mnuData", "mnuDataAppendTo", "A&ppend to...", "Ctrl+A", false, false,
     [](frmMain& m) { m.mnuDataAppendTo_Click(); }},
    {K::Separator, "mnuData", "mnuDataBar1", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuData", "mnuDataCopy", "&Copy", "Ctrl+C", false, false,
     [](frmMain& m) { m.mnuDataCopy_Click(); }},
    {K::Submenu, "mnuData", "mnuDataRemove", "&Remove", nullptr, false, false, nullptr},
    {K::Item, "mnuDataRemove", "mnuDataRemoveSelected", "Selected Values", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveSelected_Click(); }},
    {K::Item, "mnuDataRemove", "mnuDataRemoveAll", "All Values", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveAll_Click(); }},
    {K::Item, "mnuDataRemove", "mnuDataRemoveRepeated", "Repeated Values", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveRepeated_Click(); }},
    {K::Separator, "mnuData", "mnuDataBarCurves", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuData", "mnuDataNewCurve", "&New Curve", "Ctrl+Shift+N", false, false,
     [](frmMain& m) { m.mnuDataNewCurve_Click(); }},
    {K::Item, "mnuData", "mnuDataNextCurve", "Ne&xt Curve", "Ctrl+PgDown", false, false,
     [](frmMain& m) { m.mnuDataNextCurve_Click(); }},
    {K::Item, "mnuData", "mnuDataPreviousCurve", "Pre&vious Curve", "Ctrl+PgUp", false, false,
     [](frmMain& m) { m.mnuDataPreviousCurve_Click(); }},
    {K::Item, "mnuData", "mnuDataDeleteCurve", "&Delete Curve", nullptr, false, false,
     [](frmMain& m) { m.mnuDataDeleteCurve_Click(); }},
    {K::Item, "mnuData", "mnuDataCurveColour", "Curve C&olour...", nullptr, false, false,
     [](frmMain& m) { m.mnuDataCurveColour_Click(); }},
    {K::Item, "mnuData", "mnuDataExportAll", "&Export All Curves...", "Ctrl+E", false, false,
     [](frmMain& m) { m.mnuDataExportAll_Click(); }},
    {K::Item, "mnuData", "mnuDataCopyAll", "Copy A&ll Curves", nullptr, false, false,
     [](frmMain& m) { m.mnuDataCopyAll_Click(); }},
    {K::Submenu, "mnuData", "mnuDataSort", "Sor&t", nullptr, false, false, nullptr},
    {K::Item, "mnuDataSort", "mnuDataSortX", "Based on &X", nullptr, false, false,
     [](frmMain& m) { m.mnuDataSortX_Click(); }},
    {K::Item, "mnuDataSort", "mnuDataSortY", "Based on &Y", nullptr, false, false,
     [](frmMain& m) { m.mnuDataSortY_Click(); }},

    {K::Item, "mnuView", "mnuViewToolbar", "&Toolbar", nullptr, true, true,
     [](frmMain& m) { m.mnuViewToolbar_Click(); }},
    {K::Item, "mnuView", "mnuViewStatusBar", "Status &Bar", nullptr, true, true,
     [](frmMain& m) { m.mnuViewStatusBar_Click(); }},
    {K::Item, "mnuView", "mnuViewImageToolbar", "&Image Toolbar", nullptr, true, true,
     [](frmMain& m) { m.mnuViewImageToolbar_Click(); }},
    {K::Separator, "mnuView", "mnuViewBar2", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuView", "mnuViewZoom", "&Zoom ", "Ctrl+Z", true, false,
     [](frmMain& m) { m.mnuViewZoom_Click(); }},
    {K::Item, "mnuView", "mnuViewCalibrationGrid", "&Calibration Grid", "Ctrl+Shift+G", true,
     false, [](frmMain& m) { m.mnuViewCalibrationGrid_Click(); }},
    {K::Item, "mnuView", "mnuViewSteps", "&Guide", "Ctrl+G", true, false,
     [](frmMain& m) { m.mnuViewSteps_Click(); }},
    {K::Item, "mnuView", "mnuViewRefresh", "&Refresh", nullptr, false, false,
     [](frmMain& m) { m.mnuViewRefresh_Click(); }},

    {K::Item, "mnuWindow", "mnuWindowDefault", "&Default Positions", nullptr, false, false,
     [](frmMain& m) { m.mnuWindowDefault_Click(); }},
    {K::Item, "mnuWindow", "mnuWindowCascade", "&Cascade", nullptr, false, false,
     [](frmMain& m) { m.mnuWindowCascade_Click(); }},
    {K::Item, "mnuWindow", "mnuWindowTileHorizontal", "Tile &Horizontal", nullptr, false, false,
     [](frmMain& m) { m.mnuWindowTileHorizontal_Click(); }},
    {K::Item, "mnuWindow", "mnuWindowTileVertical", "Tile &Vertical", nullptr, false, false,
     [](frmMain& m) { m.mnuWindowTileVertical_Click(); }},
    {K::Item, "mnuWindow", "mnuWindowArrangeIcons", "&Arrange Icons", nullptr, false, false,
     [](frmMain& m) { m.mnuWindowArrangeIcons_Click(); }},

    {K::Item, "mnuHelp", "mnuHelpContents", "&Contents", nullptr, false, false,
     [](frmMain& m) { m.mnuHelpContents_Click(); }},
    {K::Item, "mnuHelp", "mnuHelpWin7", "Help on &Windows 7 or Vista", nullptr, false, false,
     [](frmMain& m) { m.mnuHelpWin7_Click(); }},
    {K::Item, "mnuHelp", "mnuHelpSearch", "&Search For Help On...", nullptr, false, false,
     [](frmMain& m) { m.mnuHelpSearch_Click(); }},
    {K::Separator, "mnuHelp", "mnuHelpBar1", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuHelp", "mnuHelpAbout", "&About Kurvex 2013...", nullptr, false, false,
     [](frmMain& m) { m.mnuHelpAbout_Click(); }},

    {K::Item, "mnuPopUpMenu", "mnuPopUpCopy", "&Copy", nullptr, false, false,
     [](frmMain& m) { m.mnuDataCopy_Click(); }},
    {K::Separator, "mnuPopUpMenu", "mnuPopUpMenuBar1", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuPopUpMenu", "mnuPopUpRemove", "&Remove", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveSelected_Click(); }},
    {K::Item, "mnuPopUpMenu", "mnuPopUpRemoveAll", "R&emove All", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveAll_Click(); }},
    {K::Item, "mnuPopUpMenu", "mnuPopUpRemoveRepeated", "Remove Repeated", nullptr, false, false,
     [](frmMain& m) { m.mnuDataRemoveRepeated_Click(); }},
    {K::Separator, "mnuPopUpMenu", "mnuPopUpMenuBar2", "-", nullptr, false, false, nullptr},
    {K::Item, "mnuPopUpMenu", "mnuPopUpSave", "&Save", nullptr, false, false,
     [](frmMain& m) { m.mnuDataSave_Click(); }},
    {K::Item, "mnuPopUpMenu", "mnuPopUpSaveAs", "Save &As...", nullptr, false, false,
     [](frmMain& m) { m.mnuDataSaveAs_Click(); }},
};

constexpr ToolbarEntry Toolbar[] = {
    {"New", "New Picture", "mnuFileNew"},
    {"Save", "Save Data Points", "mnuDataSave"},
    {"Print", "Print Data Points", "mnuFilePrint"},
    {nullptr, nullptr, nullptr},
    {"Paste", "Paste Picture", "mnuPicturePaste"},
    {"Open", "Open Picture File", "mnuPictureImport"},
    {nullptr, nullptr, nullptr},
    {"SortXY", "Sort based on X", "mnuDataSortX"},
    {"SortYX", "Sort based on Y", "mnuDataSortY"},
    {nullptr, nullptr, nullptr},
    {"RemoveAll", "Remove All", "mnuDataRemoveAll"},
    {"RemoveRepeated", "Remove Repeated Values", "mnuDataRemoveRepeated"},
    {"RemoveSelected", "Remove Selected Values", "mnuDataRemoveSelected"},
    {nullptr, nullptr, nullptr},
    {"AutoRead", "Autoread points", "mnuDataAR"},
    {"Interpolate", "Interpolate between already selected points", "mnuDataSpline"},
    {nullptr, nullptr, nullptr},
    {"Options", "Options", "mnuViewOptions"},
    {"Capture", "Capture Image from Screen", "mnuPictureCapture"},
    {"Scanner", "Acquire Image from Scanner", "mnuPictureScanner"},
    {"Zoom", "Zoom", "mnuViewZoom"},
};

} // namespace

std::span<const TopMenu> TopMenus() {
    return Menus;
}
std::span<const MenuEntry> MenuEntries() {
    return Entries;
}
std::span<const ToolbarEntry> ToolbarEntries() {
    return Toolbar;
}

const char* ToolbarItem(const char* key) {
    if (key == nullptr) {
        return nullptr;
    }
    for (const ToolbarEntry& entry : Toolbar) {
        if (entry.key != nullptr && std::strcmp(entry.key, key) == 0) {
            return entry.item;
        }
    }
    return nullptr;
}

Command MenuCommand(const char* itemName) {
    for (const MenuEntry& entry : Entries) {
        if (entry.kind == EntryKind::Item && std::strcmp(entry.name, itemName) == 0) {
            return entry.command;
        }
    }
    return nullptr;
}

namespace {

const MenuEntry* EntryNamed(const char* name) {
    for (const MenuEntry& entry : Entries) {
        if (std::strcmp(entry.name, name) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

QString WithoutMarks(const char* caption) {
    QString text = QString::fromUtf8(caption);
    text.remove(QLatin1Char('&'));
    if (text.endsWith(QStringLiteral("..."))) {
        text.chop(3);
    }
    return text.trimmed();
}

// The pop-up menu's items, which run items of the Data menu under shorter captions.
constexpr std::pair<const char*, const char*> PopUpItems[] = {
    {"mnuPopUpCopy", "mnuDataCopy"},           {"mnuPopUpRemove", "mnuDataRemoveSelected"},
    {"mnuPopUpRemoveAll", "mnuDataRemoveAll"}, {"mnuPopUpRemoveRepeated", "mnuDataRemoveRepeated"},
    {"mnuPopUpSave", "mnuDataSave"},           {"mnuPopUpSaveAs", "mnuDataSaveAs"},
};

} // namespace

QString StepName(const char* itemName) {
    for (const auto& [popUp, item] : PopUpItems) {
        if (std::strcmp(popUp, itemName) == 0) {
            itemName = item;
        }
    }
    const MenuEntry* entry = EntryNamed(itemName);
    // Undo and Redo are no steps: they move through the others.
    if (entry == nullptr || std::strcmp(entry->parent, "mnuEdit") == 0) {
        return {};
    }
    // An item of a submenu says what it does with its submenu's caption ("Remove" "All Values").
    if (const MenuEntry* submenu = EntryNamed(entry->parent);
        submenu != nullptr && submenu->kind == EntryKind::Submenu) {
        return WithoutMarks(submenu->caption) + QLatin1Char(' ') + WithoutMarks(entry->caption);
    }
    return WithoutMarks(entry->caption);
}
