// A sound file's header, as the programs check a WAV file before they play it.

#include "fuzz/fuzz_support.h"
#include "platform/qt_host/wav_header.h"

#include <span>

void fuzz::startHarness() { setUp(); }

void fuzz::runInput(const uint8_t* data, size_t size)
{
    plat::parseWavHeader(std::span<const uint8_t>(data, size));
    plat::readWavHeader(fuzz::writeInput("input.wav", data, size));
}
