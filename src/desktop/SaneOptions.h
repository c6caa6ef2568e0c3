#pragma once

#include "platform/Prompts.h"

#include <sane/sane.h>

// The two settings of an open SANE device that the scan dialog offers: its resolution (an
// integer or fixed-point option, "resolution") and its colour mode (a string list, "mode").
// A device without one of them simply does not offer it.
class SaneOptions {
public:
    explicit SaneOptions(SANE_Handle handle);

    // What the dialog shows: the usual resolutions within the device's range (or its own
    // list), its modes, and the values the device has now.
    ScanSettingsRequest Request(const QString& device) const;
    // Sets the chosen values on the device.
    void Apply(const ScanSettings& settings) const;

private:
    SANE_Handle m_handle;
    int m_resolutionIndex = -1;
    bool m_resolutionFixed = false;
    QList<int> m_resolutions;
    int m_resolution = 0;
    int m_modeIndex = -1;
    int m_modeSize = 0;
    QStringList m_modes;
    QString m_mode;
};
