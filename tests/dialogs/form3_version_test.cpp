// The version dialog: its text from the one version number, and its look.
#include <gtest/gtest.h>

#include <cstdlib>

#include <QCoreApplication>
#include <QFontMetrics>

#include "core/version.h"
#include "dialogs/form3.h"
#include "display/game_font.h"
#include "display/pictures.h"

namespace {

// Text is drawn smoothed, so its pixels are counted by closeness to the colour.
bool near(QRgb pixel, QRgb colour)
{
    return std::abs(qRed(pixel) - qRed(colour)) <= 64 && std::abs(qGreen(pixel) - qGreen(colour)) <= 64
           && std::abs(qBlue(pixel) - qBlue(colour)) <= 64;
}

int count_colour(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += near(image.pixel(x, y), colour);
    return count;
}

TEST(VersionText, MinorNumberShowsAsItsLastTwoDigits)
{
    EXPECT_EQ(Version_Text(3, 0), QStringLiteral("Ver3.00"));
    EXPECT_EQ(Version_Text(3, 5), QStringLiteral("Ver3.05"));
    EXPECT_EQ(Version_Text(3, 123), QStringLiteral("Ver3.23"));
    EXPECT_EQ(Version_Text(12, 40), QStringLiteral("Ver12.40"));
}

class VersionLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = new Form3(&owner);
        dialog->show();
        QCoreApplication::processEvents();
        shot = dialog->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    void TearDown() override { delete dialog; }

    QWidget owner;
    Form3* dialog = nullptr;
    QImage shot;
};

TEST_F(VersionLook, LoadSetsTheProgramsVersionOnBothLabels)
{
    EXPECT_EQ(dialog->Label2[0]->text(), Version_Text(Version_Major, Version_Minor));
    EXPECT_EQ(dialog->Label2[1]->text(), QStringLiteral("Ver3.00"));
    EXPECT_EQ(dialog->size(), QSize(221, 177));
}

TEST_F(VersionLook, ClientAreaIsTiledWithTheGreenCell)
{
    ASSERT_EQ(shot.size(), QSize(221, 177));
    const QImage& sheet = Sheet();
    for (QPoint p : {QPoint(0, 0), QPoint(5, 60), QPoint(220, 176), QPoint(215, 5),
                     QPoint(100, 110), QPoint(10, 170), QPoint(60, 45)}) {
        EXPECT_EQ(shot.pixel(p), sheet.pixel(144 + p.x() % 16, 16 + p.y() % 16))
            << p.x() << "," << p.y();
    }
}

TEST_F(VersionLook, IconSitsAtSixteenSixteen)
{
    const QImage icon = Game_Pictures().icon32.convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) != 255)
                continue;
            ++opaque;
            ASSERT_EQ(shot.pixel(16 + x, 16 + y), p | 0xff000000u) << x << "," << y;
        }
    }
    EXPECT_GT(opaque, 100);
}

TEST_F(VersionLook, NameAndVersionAreYellowOverDarkGreenShadows)
{
    const QRgb yellow = qRgb(255, 255, 0);
    EXPECT_GT(count_colour(shot, QRect(64, 21, 81, 22), yellow), 40);
    EXPECT_GT(count_colour(shot, QRect(146, 26, 60, 17), yellow), 20);
    EXPECT_EQ(count_colour(shot, QRect(60, 0, 161, 20), yellow), 0);

    // The shadow colour lies close to the green tiles, so only its exact value tells it apart.
    auto exact = [&](const QRect& area, QRgb colour) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += shot.pixel(x, y) == colour;
        return count;
    };
    const QRgb shadow = qRgb(0, 64, 0);
    EXPECT_GT(exact(QRect(65, 22, 81, 22), shadow), 3);
    EXPECT_GT(exact(QRect(147, 27, 60, 17), shadow), 3);
    EXPECT_EQ(exact(QRect(0, 50, 221, 127), shadow), 0);

    for (auto& pair : {dialog->Label1, dialog->Label2}) {
        EXPECT_EQ(pair[1]->pos(), pair[0]->pos() + QPoint(1, 1));
        EXPECT_EQ(pair[1]->text(), pair[0]->text());
        // Later siblings are drawn above earlier ones.
        EXPECT_LT(dialog->Client->children().indexOf(pair[1]),
                  dialog->Client->children().indexOf(pair[0]));
    }
    EXPECT_EQ(dialog->Label1[0]->text(), QStringLiteral("でるぼん"));
    EXPECT_EQ(QFontMetrics(dialog->Label1[0]->font()).height(), 21);
    EXPECT_TRUE(dialog->Label1[0]->font().bold());
    EXPECT_EQ(QFontMetrics(dialog->Label2[0]->font()).height(), 16);
    EXPECT_TRUE(dialog->Label2[0]->font().bold());
}

TEST_F(VersionLook, FeedbackLinesAddressRuleAndCredit)
{
    const QRgb white = qRgb(255, 255, 255);
    const QRgb green = qRgb(0, 255, 0);
    const QRgb yellow = qRgb(255, 255, 0);
    for (int top : {64, 80, 96})
        EXPECT_GT(count_colour(shot, QRect(16, top, 193, 13), white), 30) << top;
    EXPECT_GT(count_colour(shot, QRect(16, 122, 193, 13), green), 30);
    EXPECT_GT(count_colour(shot, QRect(40, 152, 143, 13), yellow), 30);
    for (int x = 24; x <= 200; ++x)
        ASSERT_EQ(shot.pixel(x, 136), green) << x;
    EXPECT_NE(shot.pixel(23, 136), green);
    EXPECT_NE(shot.pixel(201, 136), green);
    EXPECT_NE(shot.pixel(100, 137), green);

    EXPECT_EQ(dialog->Label4[2]->text(), QStringLiteral("幸いでございます。 m(--)m"));
    EXPECT_TRUE(dialog->Label4[3]->text().startsWith(QStringLiteral("ｱﾄﾞﾚｽ：")));
    // Our own texts must not be cut off at the label's edge.
    const QFontMetrics metrics(Game_Font(13));
    for (QLabel* label : {dialog->Label4[0], dialog->Label4[1], dialog->Label4[2], dialog->Label4[3],
                          dialog->Label3}) {
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
            << label->text().toStdString();
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    }
}

TEST_F(VersionLook, ClosingEnablesTheOwnerAgain)
{
    owner.setEnabled(false);
    dialog->close();
    EXPECT_TRUE(owner.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialog = nullptr;
}

}  // namespace
