#pragma once

#include "core/AppError.h"

// The standard error box: keeps the text in MsgText, shows it with the exclamation icon, an OK
// button and the title "Error", and gives the screen the normal arrow pointer back.
void ShowErrorReport(const AppError& error, bool withSource = false);
