#pragma once

#include "decoding/PictureFiles.h"

#include <optional>

class Prompts;
class QWidget;

// Brings in one page of a PDF: reads the first page's preview in the decoder process, asks
// for the page and the resolution, and renders that page there. Nothing when the user
// cancels; throws AppError naming the file when the PDF cannot be read or the page rendered.
std::optional<LoadedPicture> ReadPdfPage(QWidget* owner, Prompts& prompts, const QString& path);
