#pragma once

#include <QString>

// Hands a document or an address to the desktop. Returns a code above 32 on success, as
// shell hand-overs traditionally do, and 2 when the desktop refused it.
class Shell {
public:
    static constexpr int Success = 33;
    static constexpr int Refused = 2;

    virtual ~Shell() = default;
    virtual int Open(const QString& fileOrAddress, const QString& parameters,
                     const QString& workingFolder, const QString& verb) = 0;
};
