// The shipped pictures decode at their sizes; the effects are plain 16-bit PCM, audible and not
// too short.
#include "support/table.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Asset_Row : Named_Row {  // no size: an effect
    const char* file;
    int width = 0, height = 0;
};
class Shipped_Asset : public testing::TestWithParam<Asset_Row> {};

TEST_P(Shipped_Asset, Decodes)
{
    QFile file(QStringLiteral(DELVANO_ASSET_DIR "/") + QString::fromUtf8(GetParam().file));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    if (GetParam().width > 0) {
        EXPECT_EQ(QImage::fromData(b).size(), QSize(GetParam().width, GetParam().height));
        return;
    }
    auto u16 = [&](int at) { return int(qFromLittleEndian<quint16>(b.constData() + at)); };
    auto u32 = [&](int at) { return int(qFromLittleEndian<quint32>(b.constData() + at)); };
    ASSERT_GE(b.size(), 44);
    EXPECT_EQ(b.left(4) + b.mid(8, 8) + b.mid(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(std::vector<int>({u32(4) + 8, u32(40) + 44, u16(20), u16(34), u32(28)}),
              std::vector<int>({int(b.size()), int(b.size()), 1, 16, u32(24) * u16(22) * 2}));
    int peak = 0;
    for (int at = 44; at + 1 < b.size(); at += 2)
        peak = std::max(peak, std::abs(int(qint16(u16(at)))));
    EXPECT_GT(peak, 32767 / 3);
    EXPECT_GT(u32(40), u32(28) / 20);  // 50 ms
}

const Asset_Row Asset_Rows[] = {
    {"background", "pictures/background.png", 375, 234}, {"sheet", "pictures/sheet.png", 160, 112},
    {"title", "pictures/title.png", 240, 224}, {"logo", "pictures/logo.png", 80, 21},
    {"icon_16", "icons/delvano-16.png", 16, 16}, {"icon_32", "icons/delvano-32.png", 32, 32},
    {"icon_48", "icons/delvano-48.png", 48, 48}, {"icon_64", "icons/delvano-64.png", 64, 64},
    {"icon_128", "icons/delvano-128.png", 128, 128}, {"icon_256", "icons/delvano-256.png", 256, 256},
    {"Dam", "sounds/Dam.wav"}, {"Dig", "sounds/Dig.wav"}, {"Stone", "sounds/Stone.wav"},
    {"Gold", "sounds/Gold.wav"}, {"Life", "sounds/Life.wav"}, {"Special", "sounds/Special.wav"},
    {"Schop", "sounds/Schop.wav"}, {"Hight", "sounds/Hight.wav"}, {"Over", "sounds/Over.wav"},
    {"Out", "sounds/Out.wav"},
};
INSTANTIATE_TABLE(Table, Shipped_Asset, Asset_Rows);
}  // namespace
