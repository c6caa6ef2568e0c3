#pragma once

#include <QIcon>
#include <QString>

// The image list of the toolbar: one icon for each button key, found by the key. The icons are
// drawn as SVG, so they stay sharp at any size and on scaled displays; an unknown key has none.
QIcon ToolbarIcon(const QString& key);

// The program's own icon, for its windows and the desktop.
QIcon ProgramIcon();
