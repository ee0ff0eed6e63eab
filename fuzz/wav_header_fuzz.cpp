// A sound file's header, as the programs check a WAV file before they play it.

#include "fuzz/fuzz_support.h"
#include "platform/qt_host/wav_header.h"

#include <span>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plat::parseWavHeader(std::span<const uint8_t>(data, size));
    plat::readWavHeader(fuzz::writeInput("input.wav", data, size));
    return 0;
}
