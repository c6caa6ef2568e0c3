#pragma once

#include <QByteArray>

// Plays a WAV clip asynchronously. A clip that cannot be played is skipped without a word.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void Play(const QByteArray& wavBytes) = 0;
};
