#pragma once

#include <QString>

#include <span>

class frmMain;

// What every menu item, pop-up item and toolbar button of the main window runs. Each entry
// calls one public handler of frmMain, so a command behaves the same wherever it is started.
using Command = void (*)(frmMain&);

enum class EntryKind { Item, Separator, Submenu };

struct MenuEntry {
    EntryKind kind;
    const char* parent; // objectName of the menu the entry belongs to
    const char* name;   // objectName of the item, separator or submenu
    const char* caption;
    const char* shortcut; // portable key text ("Ctrl+N"); nullptr for none
    bool checkable;
    bool checked; // the check mark at start
    Command command;
};

struct TopMenu {
    const char* name;
    const char* caption;
    bool inMenuBar;
};

struct ToolbarEntry {
    const char* key; // nullptr for a separator
    const char* toolTip;
    const char* item; // the menu item whose command the button runs
};

std::span<const TopMenu> TopMenus();
std::span<const MenuEntry> MenuEntries();
std::span<const ToolbarEntry> ToolbarEntries();

// The menu item of a toolbar key, compared exactly; nullptr for a key outside the list.
const char* ToolbarItem(const char* key);
// The command of a menu item by its objectName; nullptr for a name outside the list.
Command MenuCommand(const char* itemName);
// What Undo calls the step of a menu item ("Remove All Values"); empty for Undo and Redo
// themselves and for a name outside the list.
QString StepName(const char* itemName);
