#pragma once

#include "core/AppError.h"

// The standard error box: keeps the text in MsgText, shows it with the exclamation icon, an OK
// button and the title "Error", and gives the screen the normal arrow pointer back.
void ShowErrorReport(const AppError& error, bool withSource = false);

#include <functional>

// Runs one command of the user. Memory the command cannot get (its size follows from what the
// user asked for) ends the command with the standard error box instead of ending the program.
void RunCommand(const std::function<void()>& command);
