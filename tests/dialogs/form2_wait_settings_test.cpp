// The wait settings dialog: sliders are pending settings, presets load them, apply stores
// them, and the previews run at the speed of their slider.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>

#include "core/module1.h"
#include "dialogs/form2.h"
#include "dialogs/form2_previews.h"
#include "display/pictures.h"

namespace {

using Values = std::array<int32_t, 7>;

class WaitSettings : public ::testing::Test {
protected:
    void SetUp() override
    {
        Reset_Module1();
        Wait_Value = {1, 3, 1, 1, 1, 1, 1};
        owner.setEnabled(false);
    }

    void TearDown() override { delete dialog.data(); }

    Form2* open()
    {
        dialog = new Form2(&owner);
        return dialog;
    }

    void choose(int entry)
    {
        dialog->Combo1->setCurrentIndex(entry);
        emit dialog->Combo1->activated(entry);
    }

    Values sliders() const
    {
        Values v{};
        for (int slot = 0; slot < 7; ++slot)
            v[slot] = dialog->HScroll1[slot]->value();
        return v;
    }

    QWidget owner;
    QPointer<Form2> dialog;
};

TEST_F(WaitSettings, OpensWithTheAppliedValuesAndTheUserEntry)
{
    Wait_Value = {0, 4, 7, 20, 2, 9, 13};
    open();
    EXPECT_EQ(sliders(), Wait_Value);
    EXPECT_EQ(dialog->Combo1->currentIndex(), 0);
    EXPECT_EQ(dialog->Combo1->count(), 7);
    EXPECT_EQ(dialog->Combo1->itemText(1), QStringLiteral("200MHz程度のマシン"));
    EXPECT_EQ(dialog->Combo1->itemText(6), QStringLiteral("2.4GHz程度のマシン"));
    for (QScrollBar* slider : dialog->HScroll1) {
        EXPECT_EQ(slider->minimum(), 0);
        EXPECT_EQ(slider->maximum(), 20);
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    }
}

TEST_F(WaitSettings, ClosingWithoutApplyLeavesTheValuesAndEnablesTheOwner)
{
    open();
    choose(3);
    dialog->HScroll1[6]->setValue(17);
    dialog->Command1_Click(2);
    EXPECT_EQ(Wait_Value, (Values{1, 3, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(owner.isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(WaitSettings, The200MHzPresetThenApplyStoresIt)
{
    open();
    choose(1);
    EXPECT_EQ(Wait_Value, (Values{1, 3, 1, 1, 1, 1, 1})) << "a preset alone is not applied";
    dialog->Command1[1]->click();
    EXPECT_EQ(Wait_Value, (Values{0, 2, 0, 0, 0, 0, 0}));
}

TEST_F(WaitSettings, TheFourFastestPresetsAreEqual)
{
    open();
    choose(3);
    const Values at800 = sliders();
    EXPECT_EQ(at800, (Values{2, 4, 2, 2, 1, 2, 2}));
    for (int entry : {4, 5, 6}) {
        choose(1);
        choose(entry);
        EXPECT_EQ(sliders(), at800) << entry;
    }
    choose(2);
    EXPECT_EQ(sliders(), (Values{1, 3, 2, 1, 0, 1, 2}));
}

TEST_F(WaitSettings, TheUserEntryLeavesTheSlidersAlone)
{
    open();
    choose(2);
    dialog->HScroll1[0]->setValue(11);
    choose(0);
    EXPECT_EQ(sliders(), (Values{11, 3, 2, 1, 0, 1, 2}));
}

TEST_F(WaitSettings, RevertRestoresTheAppliedValuesNotThePreset)
{
    open();
    choose(2);
    dialog->Command1_Click(1);
    choose(1);
    dialog->HScroll1[3]->setValue(19);
    dialog->Command1[0]->click();
    EXPECT_EQ(sliders(), (Values{1, 3, 2, 1, 0, 1, 2}));
}

TEST_F(WaitSettings, AValueOutsideTheSliderShowsAtTheNearestEndAndChangesOnlyOnApply)
{
    Wait_Value = {50, -3, 1, 1, 1, 1, 1};
    open();
    EXPECT_EQ(dialog->HScroll1[0]->value(), 20);
    EXPECT_EQ(dialog->HScroll1[1]->value(), 0);
    dialog->Command1_Click(0);
    EXPECT_EQ(Wait_Value[0], 50);
    EXPECT_EQ(Wait_Value[1], -3);
    dialog->Command1_Click(1);
    EXPECT_EQ(Wait_Value[0], 20);
    EXPECT_EQ(Wait_Value[1], 0);
}

TEST_F(WaitSettings, ButtonsAndTheirAccessKeys)
{
    open();
    EXPECT_EQ(dialog->Command1[0]->text(), QStringLiteral("元に戻す(&U)"));
    EXPECT_EQ(dialog->Command1[1]->text(), QStringLiteral("設定を更新(&R)"));
    EXPECT_EQ(dialog->Command1[2]->text(), QStringLiteral("閉じる(&X)"));
    EXPECT_EQ(dialog->Command1[0]->geometry(), QRect(264, 80, 113, 24));
    EXPECT_EQ(dialog->Command1[1]->geometry(), QRect(264, 108, 113, 24));
    EXPECT_EQ(dialog->Command1[2]->geometry(), QRect(264, 144, 113, 24));
    EXPECT_EQ(dialog->HScroll1[6]->geometry(), QRect(120, 154, 97, 13));
    EXPECT_EQ(dialog->Picture1[6]->geometry(), QRect(16, 152, 16, 16));
    EXPECT_EQ(dialog->Label1[6]->geometry(), QRect(40, 154, 52, 13));
    EXPECT_EQ(dialog->Combo1->geometry().topLeft(), QPoint(232, 32));
    EXPECT_EQ(dialog->Combo1->width(), 145);
    EXPECT_EQ(dialog->size(), QSize(393, 225));
}

TEST_F(WaitSettings, EachPreviewRunsAtItsSlidersSpeed)
{
    Wait_Value = {0, 0, 0, 0, 0, 0, 0};
    open();
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(dialog->Timer[slot]->interval(), 1) << slot;
        EXPECT_TRUE(dialog->Timer[slot]->isActive()) << slot;
        dialog->HScroll1[slot]->setValue(1);
        EXPECT_EQ(dialog->Timer[slot]->interval(), 50) << slot;
        dialog->HScroll1[slot]->setValue(20);
        EXPECT_EQ(dialog->Timer[slot]->interval(), 1000) << slot;
        dialog->HScroll1[slot]->setValue(0);
        EXPECT_EQ(dialog->Timer[slot]->interval(), 1) << slot;
    }
    // Only the moved slider's preview changes speed.
    dialog->HScroll1[2]->setValue(7);
    EXPECT_EQ(dialog->Timer[1]->interval(), 1);
    EXPECT_EQ(dialog->Timer[3]->interval(), 1);
    EXPECT_EQ(dialog->Timer[2]->interval(), 350);
}

TEST_F(WaitSettings, PreviewsOpenAtTheirSlidersSpeed)
{
    Wait_Value = {5, 3, 0, 20, 1, 2, 9};
    open();
    EXPECT_EQ(dialog->Timer[0]->interval(), 250);
    EXPECT_EQ(dialog->Timer[1]->interval(), 150);
    EXPECT_EQ(dialog->Timer[2]->interval(), 1);
    EXPECT_EQ(dialog->Timer[3]->interval(), 1000);
    EXPECT_EQ(dialog->Timer[6]->interval(), 450);
}

TEST_F(WaitSettings, PreviewTimersStopWhenTheDialogCloses)
{
    open();
    dialog->close();
    ASSERT_FALSE(dialog.isNull()) << "deleted only once the event loop comes round";
    for (QTimer* timer : dialog->Timer)
        EXPECT_FALSE(timer->isActive());
}

QImage cell(int sx, int sy)
{
    return Sheet().copy(sx, sy, 16, 16).convertToFormat(QImage::Format_RGB32);
}

QImage box_of(Form2& dialog, int slot)
{
    return dialog.Picture1[slot]->image().convertToFormat(QImage::Format_RGB32);
}

TEST_F(WaitSettings, TheFirstFrameShownIsFrameOne)
{
    open();
    dialog->Timer_Timer(0);
    EXPECT_EQ(box_of(*dialog, 0), cell(16, 0));
    dialog->Timer_Timer(2);
    EXPECT_EQ(box_of(*dialog, 2), cell(16, 16));
    dialog->Timer_Timer(6);
    EXPECT_EQ(box_of(*dialog, 6), cell(16, 64));
}

TEST_F(WaitSettings, WalkingDiggingAndLandingPreviewsCycleThroughTheirRows)
{
    open();
    struct Row { int slot, sheet_y, frames; };
    for (Row row : {Row{0, 0, 8}, Row{2, 16, 8}, Row{3, 32, 8}, Row{5, 48, 8}, Row{6, 64, 4}}) {
        for (int tick = 1; tick <= 2 * row.frames; ++tick) {
            dialog->Timer_Timer(row.slot);
            const int n = tick % row.frames;
            ASSERT_EQ(box_of(*dialog, row.slot), cell(16 * n, row.sheet_y))
                << "slot " << row.slot << " tick " << tick;
        }
    }
}

TEST_F(WaitSettings, TheTurningPreviewHoldsEachFacingFiveTicks)
{
    open();
    const QImage left = cell(16, 0);
    const QImage right = cell(80, 0);
    ASSERT_NE(left, right);
    std::vector<char> seen;
    for (int tick = 0; tick < 24; ++tick) {
        dialog->Timer_Timer(1);
        const QImage shown = box_of(*dialog, 1);
        ASSERT_TRUE(shown == left || shown == right) << tick;
        seen.push_back(shown == left ? 'L' : 'R');
    }
    // Frames 1 to 4 first, then whole runs of five.
    EXPECT_EQ(std::string(seen.begin(), seen.end()), "LLLLRRRRRLLLLLRRRRRLLLLL");
}

TEST_F(WaitSettings, TheFallingPreviewCoversTheWholeBoxAndRepeatsEveryFourTicks)
{
    open();
    const QImage soil = cell(16, 96);
    for (int tick = 1; tick <= 12; ++tick) {
        // A colour the sheet does not use shows any row the strips leave out.
        dialog->Picture1[4]->image().fill(qRgb(255, 0, 255));
        dialog->Timer_Timer(4);
        const QImage shown = box_of(*dialog, 4);
        const int shift = 4 * (tick % 4);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(shown.pixel(x, y), soil.pixel(x, (y + shift) % 16))
                    << "tick " << tick << " at " << x << "," << y;
    }
}

TEST(WaitPreviewTable, TheFallingStripsAddUpToSixteenRows)
{
    for (int n = 0; n < Preview_Frame_Count(4); ++n) {
        int next_row = 0;
        for (const Preview_Copy& copy : Preview_Frame(4, n)) {
            EXPECT_EQ(copy.dy, next_row) << n;
            EXPECT_EQ(copy.w, 16);
            EXPECT_GE(copy.sy, 96);
            EXPECT_LE(copy.sy + copy.h, 112) << "stays inside the soil cell";
            next_row += copy.h;
        }
        EXPECT_EQ(next_row, 16) << n;
    }
}

TEST(WaitPreviewTable, IntervalIsFiftyMillisecondsAStepAndOneAtZero)
{
    EXPECT_EQ(Preview_Interval(0), 1);
    EXPECT_EQ(Preview_Interval(1), 50);
    EXPECT_EQ(Preview_Interval(20), 1000);
}

TEST(WaitPreviewTable, FrameCounts)
{
    const int expected[7] = {8, 10, 8, 8, 4, 8, 4};
    for (int slot = 0; slot < 7; ++slot) {
        EXPECT_EQ(Preview_Frame_Count(slot), expected[slot]) << slot;
        EXPECT_EQ(Next_Preview_Frame(slot, expected[slot] - 1), 0) << slot;
        EXPECT_EQ(Next_Preview_Frame(slot, 0), 1) << slot;
    }
}

}  // namespace
