#pragma once

#include <QString>

#include <vector>

constexpr int Sample_Rate = 22050;

// Scales the effect to a common loudness, ramps its ends to silence so the
// player never hears a click, and writes 16-bit mono PCM.
void Write_Effect(const QString& path, std::vector<double> samples);
