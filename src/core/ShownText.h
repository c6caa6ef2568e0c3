#pragma once

#include <QString>

// The program's texts carry their line breaks as CR LF, or as a lone CR (the error box) or LF.
// Qt draws a lone CR as a blank, so a text is shown with each of the three as one line break;
// the texts themselves (MsgText, what is copied or saved) keep theirs.
QString ShownText(const QString& text);
