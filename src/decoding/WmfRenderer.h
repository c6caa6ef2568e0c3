#pragma once

#include <QByteArray>
#include <QImage>

// Draws a Windows metafile at its own display size (96 dots per inch). Transparent areas come
// out white. A null image when the bytes are no metafile or it would exceed the pixel limit;
// displaySize, when given, receives the size it asks for as soon as that is known.
QImage RenderWmf(const QByteArray& bytes, qint64 mostPixels, QSize* displaySize = nullptr);

// Whether the bytes start like a Windows metafile (placeable or plain).
bool LooksLikeWmf(const QByteArray& bytes);
