#include "asset_files.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

class ProgramIcon : public testing::TestWithParam<int> {};

TEST_P(ProgramIcon, ExistsAtItsSizeWithATransparentGround)
{
    const int size = GetParam();
    const QImage icon(assetPath(QStringLiteral("icons/delvano-%1.png").arg(size)));
    ASSERT_FALSE(icon.isNull()) << size;
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(icon.format(), QImage::Format_Indexed8) << "256-colour art";
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    int clear = 0, orange = 0, grey = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) == 0) {
                ++clear;
                continue;
            }
            orange += qRed(c) > 200 && qGreen(c) > 100 && qGreen(c) < 190 && qBlue(c) < 90;
            grey += std::abs(qRed(c) - qBlue(c)) < 24 && qGreen(c) > 110;
        }
    EXPECT_GT(clear, size * size / 3);
    EXPECT_GT(orange, size * size / 40) << "orange handle";
    EXPECT_GT(grey, size * size / 30) << "grey blade";
}

INSTANTIATE_TEST_SUITE_P(EverySize, ProgramIcon, testing::Values(16, 32, 48, 64, 128, 256));

TEST(ResourceFile, ListsEveryPictureAndIconAndTheyExist)
{
    QFile qrc(assetPath(QStringLiteral("assets.qrc")));
    ASSERT_TRUE(qrc.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(qrc.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("prefix=\"/\"")));
    QStringList listed;
    const QRegularExpression file(QStringLiteral("<file>([^<]+)</file>"));
    for (auto it = file.globalMatch(text); it.hasNext();)
        listed << it.next().captured(1);
    QStringList wanted = {"pictures/background.png", "pictures/sheet.png", "pictures/title.png", "pictures/logo.png"};
    for (int size : {16, 32, 48, 64, 128, 256})
        wanted << QStringLiteral("icons/delvano-%1.png").arg(size);
    for (const QString &name : wanted) {
        EXPECT_TRUE(listed.contains(name)) << name.toStdString();
        EXPECT_TRUE(QFile::exists(assetPath(name))) << name.toStdString();
    }
}

TEST(Readme, IsJapaneseUtf8AndNamesTheKeysFilesAndVersion)
{
    QFile readme(assetPath(QStringLiteral("Readme.txt")));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QByteArray bytes = readme.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    ASSERT_FALSE(utf8.hasError()) << "not valid UTF-8";
    for (const char *needle : {"でるぼん", "Ver3.00", "Ｚキー", "←", "→", "Delvano.ini", "ウエイト設定",
                               "パワースコップ", "ロングスコップ", "ラージスコップ", "はさまれ", "でるぼん開発チーム"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(needle))) << needle;
    for (const char *wav : {"Dig.wav", "Dam.wav", "Gold.wav", "Life.wav", "Stone.wav", "Special.wav", "Schop.wav",
                            "Out.wav", "Hight.wav", "Over.wav"})
        EXPECT_TRUE(text.contains(QLatin1String(wav))) << wav;
    EXPECT_FALSE(text.contains(QLatin1Char('@'))) << "no mail address in the readme";
}

} // namespace
