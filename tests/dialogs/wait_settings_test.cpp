// The wait settings dialog: what each preset puts on the sliders and the previews' speed, what
// apply, revert and close do with them, and what each preview box shows after some ticks.
#include <array>
#include <ostream>

#include <gtest/gtest.h>

#include <QPointer>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "display/look.h"

namespace {

using Positions = std::array<int32_t, 7>;
const Positions Applied = {5, 6, 7, 8, 9, 10, 0};

class Wait_Dialog {
public:
    Wait_Dialog()
    {
        Reset_Module1();
        Wait_Value = Applied;
        dialog = new Form2(&owner);
        for (QTimer* timer : dialog->Timer)
            timer->stop();  // the tests tick the previews themselves
    }
    ~Wait_Dialog() { delete dialog.data(); }

    void choose(int entry)
    {
        dialog->Combo1->setCurrentIndex(entry);
        emit dialog->Combo1->activated(entry);
    }
    Positions sliders() const
    {
        Positions p{};
        for (int slot = 0; slot < 7; ++slot)
            p[slot] = dialog->HScroll1[slot]->value();
        return p;
    }

    QWidget owner;
    QPointer<Form2> dialog;
};

struct Preset_Row {
    int entry;
    Positions positions;
};

void PrintTo(const Preset_Row& row, std::ostream* os) { *os << "entry_" << row.entry; }

class Wait_Preset : public testing::TestWithParam<Preset_Row> {};

TEST_P(Wait_Preset, Loads_The_Sliders_And_Previews_And_Apply_Stores_Them)
{
    Wait_Dialog d;
    d.choose(GetParam().entry);
    EXPECT_EQ(Wait_Value, Applied);
    EXPECT_EQ(d.sliders(), GetParam().positions);
    for (int slot = 0; slot < 7; ++slot) {
        const int position = GetParam().positions[slot];
        EXPECT_EQ(d.dialog->Timer[slot]->interval(), position == 0 ? 1 : 50 * position) << slot;
    }
    d.dialog->Command1[1]->click();
    EXPECT_EQ(Wait_Value, GetParam().positions);
}

INSTANTIATE_TEST_SUITE_P(Table, Wait_Preset, testing::Values(
    Preset_Row{0, Applied}, Preset_Row{1, {0, 2, 0, 0, 0, 0, 0}},
    Preset_Row{2, {1, 3, 2, 1, 0, 1, 2}}, Preset_Row{3, {2, 4, 2, 2, 1, 2, 2}},
    Preset_Row{4, {2, 4, 2, 2, 1, 2, 2}}, Preset_Row{5, {2, 4, 2, 2, 1, 2, 2}},
    Preset_Row{6, {2, 4, 2, 2, 1, 2, 2}}));

TEST(Wait_Buttons, Revert_Brings_Back_The_Applied_Values_And_Close_Drops_The_Rest)
{
    Wait_Dialog d;
    d.choose(1);
    d.dialog->Command1[0]->click();
    EXPECT_EQ(d.sliders(), Applied);
    d.choose(2);
    d.dialog->Command1[2]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(d.dialog);
    EXPECT_TRUE(d.owner.isEnabled());
    EXPECT_EQ(Wait_Value, Applied);
}

struct Preview_Row {
    int slot, ticks;
    int sx, sy;     // the sheet cell shown
    int scrolled;   // how far it has scrolled up, wrapping round
};

void PrintTo(const Preview_Row& row, std::ostream* os)
{
    *os << "slot" << row.slot << "_tick" << row.ticks;
}

class Wait_Preview : public testing::TestWithParam<Preview_Row> {};

TEST_P(Wait_Preview, Box_Shows_The_Frame)
{
    const Preview_Row& row = GetParam();
    Wait_Dialog d;
    for (int tick = 0; tick < row.ticks; ++tick)
        d.dialog->Timer_Timer(row.slot);
    const QImage cell = sheet_cell(row.sx, row.sy);
    QImage want = cell;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            want.setPixel(x, y, cell.pixel(x, (y + row.scrolled) % 16));
    d.dialog->show();
    EXPECT_EQ(differing(seen(*d.dialog), {16, 32 + 20 * row.slot}, want), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Wait_Preview, testing::Values(
    Preview_Row{0, 3, 48, 0, 0}, Preview_Row{0, 8, 0, 0, 0}, Preview_Row{1, 4, 16, 0, 0},
    Preview_Row{1, 5, 80, 0, 0}, Preview_Row{1, 10, 16, 0, 0}, Preview_Row{2, 2, 32, 16, 0},
    Preview_Row{3, 7, 112, 32, 0}, Preview_Row{4, 1, 16, 96, 4}, Preview_Row{4, 3, 16, 96, 12},
    Preview_Row{4, 4, 16, 96, 0}, Preview_Row{5, 6, 96, 48, 0}, Preview_Row{6, 5, 16, 64, 0}));

}  // namespace
