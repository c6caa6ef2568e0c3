#pragma once

#include "platform/SoundPlayer.h"

#include <QTemporaryDir>

#include <memory>

class QSoundEffect;

// Plays through QSoundEffect, which takes a file, so each clip is written once into a private
// temporary folder. A new clip cuts off the one playing. With no audio device QSoundEffect
// stays silent, which is what we want.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void Play(const QByteArray& wavBytes) override;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QSoundEffect> m_effect;
};
