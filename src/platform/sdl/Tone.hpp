#pragma once

#include <cstdint>
#include <vector>

// The samples of the beep: a square wave, as the PC speaker made it, of
// `frequencyHz` for `durationMs` at `sampleRate`, mono signed 16-bit. Whole
// samples only: the half period is rounded, so 1000 Hz at 48 kHz is exact.
std::vector<std::int16_t> squareTone(int sampleRate, int frequencyHz, int durationMs,
                                     std::int16_t amplitude);
