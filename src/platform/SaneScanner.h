#pragma once

#include "platform/ScannerService.h"

#include <QImage>
#include <QString>

class Prompts;

// Scanning through SANE, Linux's scanner layer. Each operation starts SANE and ends it again,
// so no device stays open between commands.
class SaneScanner final : public ScannerService {
public:
    explicit SaneScanner(Prompts& prompts);

    bool IsAvailable() override;
    void SelectImageSource() override;
    bool AcquireToClipboard() override;
    int EasyVersion() override;

    // One image from the device with that name; a null image when nothing was acquired.
    static QImage Acquire(const QString& deviceName);
    QString ChosenDevice() const { return m_device; }

private:
    Prompts& m_prompts;
    QString m_device;
};
