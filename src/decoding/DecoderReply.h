#pragma once

#include "core/AppError.h"
#include "decoding/PictureFiles.h"

#include <QByteArray>

#include <functional>
#include <optional>

// What the picture decoder process hands back on its standard output: a decoded picture or
// the error that stopped it. Little-endian 32-bit fields:
//   "KVXD", kind 1 = picture: picture type, width, height, original byte count, PDF page,
//           page count, page width and height in thousandths of a point (zeros for all
//           but a PDF page), drawing byte count (0 for pictures that are no drawing), then
//           width x height RGB32 pixels row by row, then the original bytes (metafiles),
//           then the drawing as DrawingFormat.h writes it;
//   "KVXD", kind 2 = error: number, then description and source, each as a byte count and
//           UTF-8 bytes.
// The reader takes the reply in pieces as it arrives and checks every size before it
// allocates: a picture above the pixel limit or a reply of another length than its header
// says is a damaged reply.
QByteArray PictureReply(const LoadedPicture& picture);
// The same reply handed to write in pieces as they stand in memory, so that the pixels are
// never copied; false as soon as write refuses a piece.
bool WritePictureReply(const LoadedPicture& picture,
                       const std::function<bool(const char*, qsizetype)>& write);
QByteArray ErrorReply(const AppError& error);

class DecoderReplyReader {
public:
    enum class State { Incomplete, Picture, Error, Damaged };

    // Takes the next bytes of the reply; bytes past a complete reply make it damaged.
    void Feed(const char* data, qsizetype size);
    // The state once the whole output has been fed (an incomplete reply is damaged).
    State Finish();
    State Current() const { return m_state; }

    const LoadedPicture& Picture() const { return m_picture; }
    const AppError& Error() const { return m_error; }

private:
    bool TakeHeader();
    void TakePixels();
    bool TakeErrorFields();

    State m_state = State::Incomplete;
    QByteArray m_pending; // bytes of fields not yet complete
    int m_kind = 0;
    qint64 m_pixelBytesDone = 0;
    qint64 m_originalLength = 0;
    qint64 m_drawingLength = 0;
    QByteArray m_drawingBytes;
    LoadedPicture m_picture;
    AppError m_error;
};
