#pragma once

#include <QImage>

#include <cstddef>

// One frame as a scanner sends it: all channels interleaved (grey or RGB) or one colour
// channel of a three-pass scan, line after line, each line bytesPerLine long. Samples of 1 bit
// (1 is black, line art), 8 bits, or 16 bits in this machine's byte order.
struct ScanFrame {
    enum class Kind { Grey, Rgb, Red, Green, Blue };
    Kind kind = Kind::Grey;
    int depth = 8;
    int pixelsPerLine = 0;
    int bytesPerLine = 0;
    int lines = 0;
};

// Writes the frame's samples into the image (RGB32, pixelsPerLine x lines), 16-bit samples by
// their high byte; a one-channel frame changes only its channel. False, and the image as it
// was, when the frame does not fit the image, its lines are too short for their samples, or
// fewer bytes came than its lines need.
bool StoreScanFrame(QImage& image, const ScanFrame& frame, const unsigned char* bytes,
                    std::size_t size);
