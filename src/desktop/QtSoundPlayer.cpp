#include "desktop/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QCryptographicHash>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::Play(const QByteArray& wavBytes) {
    if (wavBytes.isEmpty() || !m_folder.isValid() || QMediaDevices::audioOutputs().isEmpty()) {
        return;
    }
    const QString name =
        QString::fromLatin1(QCryptographicHash::hash(wavBytes, QCryptographicHash::Md5).toHex()) +
        QStringLiteral(".wav");
    const QString path = m_folder.filePath(name);
    if (!QFile::exists(path)) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(wavBytes) != wavBytes.size()) {
            return;
        }
    }
    if (!m_effect) {
        m_effect = std::make_unique<QSoundEffect>();
    }
    m_effect->stop();
    m_effect->setSource(QUrl::fromLocalFile(path));
    m_effect->play();
}
