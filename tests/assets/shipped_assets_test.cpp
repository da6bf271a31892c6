// The shipped pictures decode at their sizes; the effects are plain 16-bit PCM, audible and not too short.
#include <QFile>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Asset_Row { std::string file; int width = 0, height = 0; };  // no size: an effect
void PrintTo(const Asset_Row& row, std::ostream* os) { *os << row.file; }
class Shipped_Asset : public testing::TestWithParam<Asset_Row> {};

TEST_P(Shipped_Asset, Decodes)
{
    QFile file(QStringLiteral(DELVANO_ASSET_DIR "/") + QString::fromStdString(GetParam().file));
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

std::vector<Asset_Row> shipped_assets()
{
    std::vector<Asset_Row> rows = {{"pictures/background.png", 375, 234}, {"pictures/sheet.png", 160, 112},
                                   {"pictures/title.png", 240, 224}, {"pictures/logo.png", 80, 21}};
    for (int size : {16, 32, 48, 64, 128, 256})
        rows.push_back({"icons/delvano-" + std::to_string(size) + ".png", size, size});
    for (const char* effect : {"Dam", "Dig", "Stone", "Gold", "Life", "Special", "Schop", "Hight", "Over", "Out"})
        rows.push_back({"sounds/" + std::string(effect) + ".wav"});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, Shipped_Asset, testing::ValuesIn(shipped_assets()));
}  // namespace
