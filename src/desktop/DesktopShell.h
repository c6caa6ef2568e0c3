#pragma once

#include "platform/Shell.h"

// Opens documents and addresses with the desktop's default application.
class DesktopShell final : public Shell {
public:
    int Open(const QString& fileOrAddress, const QString& parameters, const QString& workingFolder,
             const QString& verb) override;
};
