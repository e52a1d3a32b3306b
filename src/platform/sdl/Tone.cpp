#include "platform/sdl/Tone.hpp"

std::vector<std::int16_t> squareTone(int sampleRate, int frequencyHz, int durationMs,
                                     std::int16_t amplitude) {
  if (sampleRate <= 0 || frequencyHz <= 0 || durationMs <= 0) return {};
  const long long count = static_cast<long long>(sampleRate) * durationMs / 1000;
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  // The position within one period, counted in 1/sampleRate of a period and
  // kept in integers so that the wave never drifts.
  const long long period = static_cast<long long>(sampleRate);
  const long long halfPeriod = period / 2;
  long long phase = 0;
  const auto low = static_cast<std::int16_t>(-amplitude);
  for (auto& sample : samples) {
    sample = phase < halfPeriod ? amplitude : low;
    phase += frequencyHz;
    if (phase >= period) phase -= period;
  }
  return samples;
}
