#include "asset_files.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Pcm {
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<int> samples;
};

// Reads a RIFF WAVE file chunk by chunk, as a strict player would.
bool readWav(const QString &path, Pcm &out, std::string &why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = "cannot open";
        return false;
    }
    const QByteArray bytes = file.readAll();
    auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    if (bytes.size() < 12 || bytes.left(4) != "RIFF" || bytes.mid(8, 4) != "WAVE") {
        why = "not RIFF/WAVE";
        return false;
    }
    if (u32(4) + 8 != quint32(bytes.size())) {
        why = "RIFF size does not match the file";
        return false;
    }
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) {
            why = "chunk runs past the end";
            return false;
        }
        if (id == "fmt ") {
            out.format = u16(body);
            out.channels = u16(body + 2);
            out.rate = int(u32(body + 4));
            out.bits = u16(body + 14);
            haveFormat = u32(body + 8) == quint32(out.rate * out.channels * out.bits / 8);
        } else if (id == "data" && haveFormat) {
            for (quint32 i = 0; i + 1 < size; i += 2)
                out.samples.push_back(qint16(u16(body + i)));
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        why = "missing fmt or data chunk";
    return haveFormat && haveData;
}

struct Effect {
    const char *name;
    double maxSeconds;
};

class SoundEffect : public testing::TestWithParam<Effect> {};

TEST_P(SoundEffect, IsSixteenBitMonoPcmOfTheRightLength)
{
    const Effect e = GetParam();
    Pcm pcm;
    std::string why;
    ASSERT_TRUE(readWav(assetPath(QStringLiteral("sounds/%1.wav").arg(QLatin1String(e.name))), pcm, why)) << why;
    EXPECT_EQ(pcm.format, 1);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_EQ(pcm.bits, 16);
    EXPECT_TRUE(pcm.rate == 22050 || pcm.rate == 44100) << pcm.rate;
    const double seconds = double(pcm.samples.size()) / pcm.rate;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LE(seconds, e.maxSeconds);
}

TEST_P(SoundEffect, IsNormalisedAndStartsAndEndsInSilence)
{
    const Effect e = GetParam();
    Pcm pcm;
    std::string why;
    ASSERT_TRUE(readWav(assetPath(QStringLiteral("sounds/%1.wav").arg(QLatin1String(e.name))), pcm, why)) << why;
    ASSERT_GT(pcm.samples.size(), 200u);
    int peak = 0;
    for (int s : pcm.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 32767 * 0.6) << "too quiet";
    EXPECT_LT(peak, 32767) << "clipped";
    // The first half millisecond and the last two stay close to zero: no click
    // when playback starts, and none when it stops.
    const size_t head = size_t(pcm.rate / 2000), tail = size_t(pcm.rate / 500);
    for (size_t i = 0; i < head; ++i)
        EXPECT_LT(std::abs(pcm.samples[i]), 32767 * 0.06) << "start, sample " << i;
    for (size_t i = 0; i < tail; ++i)
        EXPECT_LT(std::abs(pcm.samples[pcm.samples.size() - 1 - i]), 32767 * 0.06) << "end, sample " << i;
    EXPECT_LE(std::abs(pcm.samples.front()), 64);
    EXPECT_LE(std::abs(pcm.samples.back()), 64);
}

INSTANTIATE_TEST_SUITE_P(AllTen, SoundEffect,
                         testing::Values(Effect{"Dig", 1.0}, Effect{"Dam", 1.0}, Effect{"Gold", 1.0},
                                         Effect{"Life", 1.0}, Effect{"Stone", 1.0}, Effect{"Special", 1.0},
                                         Effect{"Schop", 1.0}, Effect{"Out", 1.0}, Effect{"Hight", 3.0},
                                         Effect{"Over", 3.0}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
