// The entry point of one fuzz target, named at build time; libFuzzer calls it
// for every input, the replay program for every corpus file.
#include "FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return vantor::fuzz::RunTarget(VANTOR_FUZZ_TARGET, data, size);
}
