#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The program's entry points for bytes that come from outside it, as the fuzzers and the
// corpus replay call them. Each returns on any input; a crash, a hang, a sanitizer report or
// an abort from a broken promise (a number written that does not read back, a picture larger
// than the limit) is a finding.
struct FuzzTarget {
    const char* name; // also the folder of its corpus
    void (*run)(const std::uint8_t* data, std::size_t size);
};

std::span<const FuzzTarget> FuzzTargets();

// What the targets need before the first input: an application object for the image plugins.
void FuzzInitialize(int* argc, char*** argv);
