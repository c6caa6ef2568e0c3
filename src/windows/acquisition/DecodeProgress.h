#pragma once

#include "decoding/PdfPages.h"

#include <optional>

class QWidget;

// Decodes a picture file in the decoder process while the program waits with a progress box
// (shown after half a second) whose Cancel, like Escape, gives up the file. Other commands
// wait meanwhile. Nothing when the user cancelled; throws AppError naming the file otherwise.
std::optional<LoadedPicture> DecodeWithProgressBox(QWidget* owner, const QString& path,
                                                   const PdfPageRequest& pdfPage = {},
                                                   int wallClockMs = 15000);
