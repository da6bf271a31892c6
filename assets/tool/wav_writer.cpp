#include "wav_writer.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace {

void put_little_endian(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

}  // namespace

void Write_Effect(const QString& path, std::vector<double> samples)
{
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::fabs(s));
    if (peak <= 0)
        throw std::runtime_error("silent effect");
    const double gain = 0.85 / peak;
    const size_t fade_in = Sample_Rate / 125;   // 8 ms
    const size_t fade_out = Sample_Rate / 50;   // 20 ms
    for (size_t i = 0; i < samples.size(); ++i) {
        double env = 1.0;
        if (i < fade_in)
            env = double(i) / fade_in;
        const size_t from_end = samples.size() - 1 - i;
        if (from_end < fade_out)
            env = std::min(env, double(from_end) / fade_out);
        samples[i] *= gain * env;
    }

    QByteArray data;
    for (double s : samples)
        put_little_endian(data, uint32_t(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767))) & 0xffff, 2);

    QByteArray file("RIFF");
    put_little_endian(file, 36 + uint32_t(data.size()), 4);
    file.append("WAVEfmt ");
    put_little_endian(file, 16, 4);
    put_little_endian(file, 1, 2);                 // PCM
    put_little_endian(file, 1, 2);                 // mono
    put_little_endian(file, Sample_Rate, 4);
    put_little_endian(file, Sample_Rate * 2, 4);    // bytes per second
    put_little_endian(file, 2, 2);                 // block align
    put_little_endian(file, 16, 2);                // bits per sample
    file.append("data");
    put_little_endian(file, uint32_t(data.size()), 4);
    file.append(data);

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        throw std::runtime_error(("cannot write " + path).toStdString());
}
