#include "FuzzTargets.h"

// One executable per target: QUINDARO2_FUZZ_TARGET names the function.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return quindaro2::fuzz::QUINDARO2_FUZZ_TARGET(data, size);
}
