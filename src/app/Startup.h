#pragma once

#include <QString>

class AppState;

// Registers the themed controls; the Qt style does this by itself, so it only reports success.
bool InitCommonControls();

// The start-up sequence: splash and start sound, the main window with its children, the guide,
// then the main window in front. An error on the way is reported with its source and ends the
// sequence; a main window already shown stays open.
//
// A picture file named when the program starts is decoded while the splash shows, so that it
// is in the picture window when the splash goes; a file that cannot be read is reported once
// the splash has gone, and the program starts without it.
void Main(AppState& app, const QString& pictureFile = {});
