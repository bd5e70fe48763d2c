// SPDX-License-Identifier: MIT
#include "play/randomsource.h"

#include <QTime>
#include <bit>
#include <utility>

namespace {

constexpr std::uint64_t goldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

MixingRandomSource::MixingRandomSource(TimeOfDay timeOfDay) : m_timeOfDay(std::move(timeOfDay)) {
    reseed();
}

MixingRandomSource::MixingRandomSource(std::uint64_t seed) : m_state(mix(seed + goldenGamma)) {}

void MixingRandomSource::reseed() {
    if (!m_timeOfDay)
        return;
    m_state = mix(m_state + goldenGamma) ^ mix(std::bit_cast<std::uint64_t>(m_timeOfDay()));
}

std::uint64_t MixingRandomSource::nextBits() {
    m_state += goldenGamma;
    return mix(m_state);
}

double MixingRandomSource::uniform() {
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

double MixingRandomSource::systemTimeOfDay() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
