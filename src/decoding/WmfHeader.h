#pragma once

#include <QByteArray>
#include <QString>

// Checks a Windows metafile's headers and record sizes before the metafile library sees the
// bytes: that library trusts them and reserves memory or reads past the end for whatever a
// header claims. Empty when the metafile may be drawn; otherwise the reason, for the user.
//
// Placeable header (22 bytes, key D7 CD C6 9A): bounding box left, top, right, bottom as
// 16-bit values at 6..13 and units per inch at 14, which must be 1 to 2880 with a box of some
// width and height. Standard header (18 bytes): type 1 or 2, header size 9 words, the largest
// record (words, at 12) no larger than the file. Records: a 32-bit size in words (at least 3)
// that stays inside the file, up to the end record (function 0).
QString WmfHeaderProblem(const QByteArray& bytes);
