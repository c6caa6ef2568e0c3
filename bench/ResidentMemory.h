#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>

// Resident memory of this process in bytes from /proc: "VmRSS:" now, "VmHWM:" at its peak
// since the start or the last ResetPeakMemory().
inline std::int64_t ResidentBytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stoll(line.substr(std::strlen(field))) * 1024;
        }
    }
    return 0;
}

inline void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
