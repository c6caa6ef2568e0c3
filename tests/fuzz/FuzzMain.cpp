// One libFuzzer program per target; KURVEX_FUZZ_TARGET names it.
#include "FuzzTargets.h"

#include <cstring>

namespace {
void (*g_target)(const std::uint8_t*, std::size_t) = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzInitialize(argc, argv);
    for (const FuzzTarget& target : FuzzTargets()) {
        if (std::strcmp(target.name, KURVEX_FUZZ_TARGET) == 0) {
            g_target = target.run;
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_target(data, size);
    return 0;
}
