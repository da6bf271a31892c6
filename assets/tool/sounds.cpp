#include "drawings.h"
#include "wav_writer.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

using Wave = std::vector<double>;
constexpr double Tau = 2 * std::numbers::pi;

struct Noise {
    quint32 state = 0x2545f491u;
    double next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 2147483648.0 - 1.0;
    }
};

double square(double phase, double duty = 0.5)
{
    return std::fmod(phase, 1.0) < duty ? 1.0 : -1.0;
}

double triangle(double phase)
{
    const double p = std::fmod(phase, 1.0);
    return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
}

// Adds a tone whose pitch follows `hz(t)` from `start` for `length` seconds,
// shaped by a quick attack and an exponential decay.
void tone(Wave& out, double start, double length, const std::function<double(double)>& hz,
          const std::function<double(double)>& shape, double volume, double decay)
{
    double phase = 0;
    const size_t first = size_t(start * Sample_Rate);
    const size_t count = size_t(length * Sample_Rate);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / Sample_Rate;
        phase += hz(t) / Sample_Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double release = std::min(1.0, (length - t) / 0.012);
        out[first + i] += shape(phase) * volume * attack * release * std::exp(-t * decay);
    }
}

double note(int semitones_from_a4)
{
    return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0);
}

// A crunch: two bursts of low, rough noise, as a shovel bites into earth.
Wave dig()
{
    Wave w(size_t(0.22 * Sample_Rate), 0.0);
    Noise n;
    double low = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) / Sample_Rate;
        low += 0.18 * (n.next() - low);
        const double burst = std::exp(-t * 28) + 0.7 * (t > 0.08 ? std::exp(-(t - 0.08) * 30) : 0);
        w[i] = low * burst + 0.3 * square(t * (90 - 200 * t)) * std::exp(-t * 40);
    }
    return w;
}

// A hurt buzz: a falling, wobbling square.
Wave damage()
{
    Wave w;
    tone(w, 0, 0.38, [](double t) { return 260 - 300 * t + 25 * std::sin(Tau * 30 * t); },
         [](double p) { return square(p, 0.3); }, 1.0, 4);
    return w;
}

// A coin: two bright notes, the second ringing on.
Wave gold()
{
    Wave w;
    tone(w, 0, 0.08, [](double) { return note(14); }, [](double p) { return square(p, 0.25); }, 0.7, 6);
    tone(w, 0.07, 0.40, [](double) { return note(19); }, [](double p) { return square(p, 0.25); }, 0.7, 7);
    return w;
}

// A rising arpeggio, C E G and the high C.
Wave life()
{
    Wave w;
    const int steps[4] = {3, 7, 10, 15};
    for (int i = 0; i < 4; ++i)
        tone(w, 0.07 * i, i == 3 ? 0.30 : 0.09, [s = steps[i]](double) { return note(s); },
             [](double p) { return 0.6 * triangle(p) + 0.4 * square(p, 0.125); }, 0.8, i == 3 ? 8 : 3);
    return w;
}

// A clink: inharmonic partials that die fast, like a pebble on iron.
Wave stone()
{
    Wave w;
    for (double ratio : {1.0, 2.76, 5.4})
        tone(w, 0, 0.28, [ratio](double) { return 1320 * ratio; }, [](double p) { return std::sin(Tau * p); },
             1.0 / ratio, 18 + 6 * ratio);
    return w;
}

// A sparkle sweep: a rising glide with twinkles scattered over it.
Wave special()
{
    Wave w;
    tone(w, 0, 0.8, [](double t) { return 400 + 2600 * t * t; },
         [](double p) { return 0.5 * triangle(p) + 0.5 * square(p, 0.5); }, 0.55, 1.8);
    for (int i = 0; i < 9; ++i)
        tone(w, 0.05 + 0.08 * i, 0.12, [i](double) { return note(24 + (i * 5) % 12); },
             [](double p) { return std::sin(Tau * p); }, 0.45, 22);
    w.resize(size_t(0.85 * Sample_Rate), 0.0);
    return w;
}

// A power-up: quick climbing steps of a square wave.
Wave shovel()
{
    Wave w;
    for (int i = 0; i < 8; ++i)
        tone(w, 0.055 * i, 0.07, [i](double t) { return note(-5 + 2 * i) * (1 + 0.5 * t); },
             [](double p) { return square(p, 0.5); }, 0.6, 3);
    tone(w, 0.44, 0.2, [](double t) { return note(11) * (1 + 0.02 * std::sin(Tau * 12 * t)); },
         [](double p) { return square(p, 0.5); }, 0.6, 9);
    return w;
}

// A squish: a soft, sinking wet noise.
Wave squeeze()
{
    Wave w(size_t(0.42 * Sample_Rate), 0.0);
    Noise n;
    double low = 0, phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) / Sample_Rate;
        low += 0.08 * (n.next() - low);
        phase += (180 - 320 * t) / Sample_Rate;
        const double body = std::sin(Tau * phase) * std::exp(-t * 6);
        w[i] = 0.6 * body + 1.6 * low * std::exp(-t * 9);
    }
    return w;
}

// A short fanfare for a place in the high-score table.
Wave fanfare()
{
    Wave w;
    struct Step { int semis; double at, len; };
    const Step melody[] = {{3, 0.0, 0.12}, {3, 0.14, 0.12}, {3, 0.28, 0.12}, {7, 0.42, 0.36},
                           {5, 0.82, 0.12}, {7, 0.96, 0.12}, {10, 1.10, 0.12}, {15, 1.26, 0.7}};
    for (const Step& s : melody) {
        tone(w, s.at, s.len, [n = s.semis](double) { return note(n); },
             [](double p) { return square(p, 0.25); }, 0.5, 1.5);
        tone(w, s.at, s.len, [n = s.semis](double) { return note(n - 12); }, triangle, 0.45, 1.0);
    }
    w.resize(size_t(2.1 * Sample_Rate), 0.0);
    return w;
}

// A falling tune for the end of a game.
Wave game_over()
{
    Wave w;
    const int steps[] = {10, 7, 3, 2, -2, -5};
    for (int i = 0; i < 6; ++i) {
        const double at = 0.24 * i, len = i == 5 ? 0.9 : 0.22;
        tone(w, at, len, [n = steps[i], last = i == 5](double t) {
                 return note(n) * (last ? 1 - 0.06 * t : 1.0) * (1 + 0.01 * std::sin(Tau * 6 * t));
             },
             [](double p) { return square(p, 0.5); }, 0.5, 2.0);
        tone(w, at, len, [n = steps[i]](double) { return note(n - 12); }, triangle, 0.5, 1.5);
    }
    w.resize(size_t(2.5 * Sample_Rate), 0.0);
    return w;
}

}  // namespace

void Write_Sounds(const QString& dir)
{
    const std::pair<const char*, Wave (*)()> effects[] = {
        {"Dig", dig}, {"Dam", damage}, {"Gold", gold}, {"Life", life}, {"Stone", stone},
        {"Special", special}, {"Schop", shovel}, {"Out", squeeze}, {"Hight", fanfare}, {"Over", game_over},
    };
    for (const auto &[name, make] : effects)
        Write_Effect(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".wav"), make());
}
