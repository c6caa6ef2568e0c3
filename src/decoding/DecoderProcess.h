#pragma once

#include "decoding/PdfPages.h"

#include <functional>
#include <optional>

// Picture files come from anywhere, and the libraries that decode them can crash, spin or
// reserve gigabytes on a hostile file. So the import decodes each file in a short-lived child:
// the program's own executable started with DecodePictureOption, limited in address space,
// processor time and wall-clock time. A child that dies costs a message, never the table.

inline constexpr char DecodePictureOption[] = "--decode-picture";

// Whether this process was started as the decoder:
//   <program> --decode-picture <path> [--page <n>] [--dpi <d> | --preview] [--pixels-only]
// where the page options choose the page of a PDF and how it is rendered, and --pixels-only
// leaves the drawing of a PDF page unread.
bool IsDecoderCall(int argc, char** argv);

// The decoder's whole life: limits itself (1.5 GB of address space where no sanitizer needs
// more, 15 s of processor time, no core file), decodes the file and writes the reply of
// DecoderReply.h on standard output. Returns the exit code.
int RunDecoderProcess(int argc, char** argv);

struct DecodeWait {
    int wallClockMs = 15000;
    // Asked about every 50 ms while the child works; false means the user cancelled.
    std::function<bool()> keepWaiting;
};

// Decodes a file in a child process (for a PDF, the requested page). Nothing when the user
// cancelled; throws AppError naming the file when the file cannot be decoded, the child
// fails, or it takes too long.
std::optional<LoadedPicture> DecodeInChildProcess(const QString& path, const DecodeWait& wait,
                                                  const PdfPageRequest& pdfPage = {});
