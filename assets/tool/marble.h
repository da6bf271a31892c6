#pragma once

#include <QImage>

// Grey marble with soft veins, in a handful of grey steps so the whole
// background stays within one 256-colour palette.
QImage Marble(int width, int height);

// Smooth deterministic noise in [0, 1), used for marble and brick grain.
double Smooth_Noise(double x, double y, int salt);
