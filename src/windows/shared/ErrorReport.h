#pragma once

#include "core/AppError.h"

#include <functional>

class Prompts;
class Session;

// The standard error box: keeps the text in the session's MsgText, shows it with the
// exclamation icon, an OK button and the title "Error", and gives the screen the normal arrow
// pointer back.
void ShowErrorReport(Session& session, Prompts& prompts, const AppError& error,
                     bool withSource = false);

// Runs one command of the user. Memory the command cannot get (its size follows from what the
// user asked for) ends the command with the standard error box instead of ending the program.
void RunCommand(Session& session, Prompts& prompts, const std::function<void()>& command);
