#pragma once

#include <QIcon>
#include <QString>

// The image list of the toolbar: one icon for each button key, found by the key.
QIcon ToolbarIcon(const QString& key);
