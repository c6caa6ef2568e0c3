#include "windows/shared/ResourceSounds.h"

#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QFile>

void PlayResourceSound(SoundPlayer& player, int resourceId) {
    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(resourceId));
    if (resource.open(QIODevice::ReadOnly)) {
        player.Play(resource.readAll());
    }
    QCoreApplication::processEvents();
}
