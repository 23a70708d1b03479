#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include <cstdlib>
#include <cstring>

// One executable per target: QUINDARO2_FUZZ_TARGET names the function.

// QUINDARO2_FUZZ_KNOWN_FAULTS=1 makes the targets stop at the faults they
// otherwise step around, to show that one is still there.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const char* known = std::getenv("QUINDARO2_FUZZ_KNOWN_FAULTS");
    quindaro2::fuzz::SetCheckKnownFaults(known && std::strcmp(known, "1") == 0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return quindaro2::fuzz::QUINDARO2_FUZZ_TARGET(data, size);
}
