#pragma once

#include <QString>
#include <vector>

constexpr int SampleRate = 22050;

// Scales the effect to a common loudness, ramps its ends to silence so the
// player never hears a click, and writes 16-bit mono PCM.
void writeEffect(const QString &path, std::vector<double> samples);
