#include "wav_writer.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

void putLE(QByteArray &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

void writeEffect(const QString &path, std::vector<double> samples)
{
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::fabs(s));
    if (peak <= 0)
        throw std::runtime_error("silent effect");
    const double gain = 0.85 / peak;
    const size_t fadeIn = SampleRate / 125;   // 8 ms
    const size_t fadeOut = SampleRate / 50;   // 20 ms
    for (size_t i = 0; i < samples.size(); ++i) {
        double env = 1.0;
        if (i < fadeIn)
            env = double(i) / fadeIn;
        const size_t fromEnd = samples.size() - 1 - i;
        if (fromEnd < fadeOut)
            env = std::min(env, double(fromEnd) / fadeOut);
        samples[i] *= gain * env;
    }

    QByteArray data;
    for (double s : samples)
        putLE(data, uint32_t(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767))) & 0xffff, 2);

    QByteArray file("RIFF");
    putLE(file, 36 + uint32_t(data.size()), 4);
    file.append("WAVEfmt ");
    putLE(file, 16, 4);
    putLE(file, 1, 2);                 // PCM
    putLE(file, 1, 2);                 // mono
    putLE(file, SampleRate, 4);
    putLE(file, SampleRate * 2, 4);    // bytes per second
    putLE(file, 2, 2);                 // block align
    putLE(file, 16, 2);                // bits per sample
    file.append("data");
    putLE(file, uint32_t(data.size()), 4);
    file.append(data);

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}
