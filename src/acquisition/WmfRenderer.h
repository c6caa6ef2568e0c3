#pragma once

#include <QByteArray>
#include <QImage>

// Draws a Windows metafile at its own display size (96 dots per inch). Transparent areas come
// out white. A null image when the bytes are no metafile or it would exceed the pixel limit.
QImage RenderWmf(const QByteArray& bytes, qint64 mostPixels);

// Whether the bytes start like a Windows metafile (placeable or plain).
bool LooksLikeWmf(const QByteArray& bytes);
