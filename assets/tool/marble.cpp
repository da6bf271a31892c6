#include "marble.h"

#include <algorithm>
#include <cmath>

namespace {

double lattice(int x, int y, int salt)
{
    quint32 h = quint32(x) * 374761393u + quint32(y) * 668265263u + quint32(salt) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h ^ (h >> 16)) / 4294967296.0;
}

double fade(double t)
{
    return t * t * (3 - 2 * t);
}

}  // namespace

double Smooth_Noise(double x, double y, int salt)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const double fx = fade(x - ix), fy = fade(y - iy);
    const double a = lattice(ix, iy, salt), b = lattice(ix + 1, iy, salt);
    const double c = lattice(ix, iy + 1, salt), d = lattice(ix + 1, iy + 1, salt);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

QImage Marble(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double turbulence = 0, scale = 1;
            for (int octave = 0; octave < 4; ++octave) {
                turbulence += Smooth_Noise(x / (24.0 * scale), y / (24.0 * scale), 3 + octave) * scale;
                scale *= 0.5;
            }
            const double vein = std::fabs(std::sin(x * 0.045 + y * 0.03 + turbulence * 5.0));
            const double cloud = Smooth_Noise(x / 9.0, y / 9.0, 17);
            double level = 0.62 + 0.14 * cloud - 0.30 * std::pow(1.0 - vein, 6.0);
            level = std::clamp(level, 0.0, 1.0);
            // Twelve steps of a slightly cool grey.
            const int step = int(level * 12.0);
            const int g = 70 + step * 12;
            image.setPixel(x, y, qRgb(g, g, std::min(255, g + 8)));
        }
    return image;
}
