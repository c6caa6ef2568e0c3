#pragma once

#include "platform/ScannerService.h"

#include "platform/Prompts.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>

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

    // What the scan asks of its caller: the settings for the device (nothing cancels the scan)
    // and, as the image arrives, whether to go on (bytes so far, bytes expected; 0 unknown).
    struct Steps {
        std::function<std::optional<ScanSettings>(const ScanSettingsRequest&)> settings;
        std::function<bool(qint64 done, qint64 expected)> keepGoing;
    };

    // One image from the device with that name; a null image when nothing was acquired or
    // the user cancelled.
    static QImage Acquire(const QString& deviceName, const Steps& steps = {});
    QString ChosenDevice() const { return m_device; }

private:
    Prompts& m_prompts;
    QString m_device;
};
