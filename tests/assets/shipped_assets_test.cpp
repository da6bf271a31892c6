// The shipped pictures, icons and effects: every picture decodes at its size, every effect is a
// canonical 16-bit PCM WAV file, loud enough to hear and long enough to notice.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>

namespace {

struct Asset_Row { const char* file; int width = 0, height = 0; };  // no size: an effect
void PrintTo(const Asset_Row& row, std::ostream* os) { *os << row.file; }
class Shipped_Asset : public testing::TestWithParam<Asset_Row> {};

TEST_P(Shipped_Asset, Decodes)
{
    QFile file(QStringLiteral(DELVANO_ASSET_DIR "/") + GetParam().file);
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

INSTANTIATE_TEST_SUITE_P(Table, Shipped_Asset, testing::Values(
    Asset_Row{"pictures/background.png", 375, 234}, Asset_Row{"pictures/sheet.png", 160, 112},
    Asset_Row{"pictures/title.png", 240, 224}, Asset_Row{"pictures/logo.png", 80, 21},
    Asset_Row{"icons/delvano-16.png", 16, 16}, Asset_Row{"icons/delvano-32.png", 32, 32},
    Asset_Row{"icons/delvano-48.png", 48, 48}, Asset_Row{"icons/delvano-64.png", 64, 64},
    Asset_Row{"icons/delvano-128.png", 128, 128}, Asset_Row{"icons/delvano-256.png", 256, 256},
    Asset_Row{"sounds/Dam.wav"}, Asset_Row{"sounds/Dig.wav"}, Asset_Row{"sounds/Stone.wav"},
    Asset_Row{"sounds/Gold.wav"}, Asset_Row{"sounds/Life.wav"}, Asset_Row{"sounds/Special.wav"},
    Asset_Row{"sounds/Schop.wav"}, Asset_Row{"sounds/Hight.wav"}, Asset_Row{"sounds/Over.wav"},
    Asset_Row{"sounds/Out.wav"}));

}  // namespace
