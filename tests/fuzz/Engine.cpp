// The fuzzing build's entry around each target. An input that takes the parser more than 100 ms
// (or FUZZ_TIME_LIMIT_MS) fails like a crash, so that libFuzzer keeps it as a reproducer: its own
// -timeout counts whole seconds. Processor time, not wall time, so that a busy machine does not
// make inputs slow; the first call pays for one-time set-up and is not timed. The replay in the
// host build times nothing.
#include "FuzzTarget.h"

#include <cstdlib>
#include <ctime>

#undef LLVMFuzzerTestOneInput

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const double limitMs = [] {
        const char* text = std::getenv("FUZZ_TIME_LIMIT_MS");
        return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : 100.0;
    }();
    static bool first = true;
    const std::clock_t start = std::clock();
    KbFuzzTarget(data, size);
    const double ms = 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    if (!first && ms > limitMs) {
        std::fprintf(stderr, "fuzz check failed: the input took %.0f ms (at most %.0f)\n", ms,
                     limitMs);
        std::abort();
    }
    first = false;
    return 0;
}
