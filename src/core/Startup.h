#pragma once

// Registers the themed controls; the Qt style does this by itself, so it only reports success.
bool InitCommonControls();

// The start-up sequence: splash and start sound, the main window with its children, the guide,
// then the main window in front. An error on the way is reported with its source and ends the
// sequence; a main window already shown stays open.
void Main();
