// The banner cartoon's script on a fake stage: the frame counter, the intervals, the places.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "display/banner_script.h"

namespace {

struct Place { int left = 0, top = 0; bool visible = false; };

class Fake_Stage final : public Banner_Stage {
public:
    std::map<int, Place> controls{{7, {0, 24, true}}, {8, {16, 24, false}}, {9, {21, 34, false}}};
    std::string label_text = Banner_Tagline;
    int label_left = 0, label_top = 8;
    bool label_visible = false;
    int interval = 100;
    std::vector<std::string> draws;  // "7 64,0" or "7 144,80 mirrored"

    // A tagline of 138 px as the layout was drawn for, 6 px for "?" and "!".
    int text_width(const std::string& text) const
    {
        if (text == Banner_Tagline)
            return 138;
        return text.empty() ? 0 : 6;
    }

    int Inner_Width() const override { return 120; }
    void Clear_Box() override { draws.push_back("clear"); }
    void Draw(int sprite, int sx, int sy, bool mirrored) override
    {
        draws.push_back(std::to_string(sprite) + " " + std::to_string(sx) + "," + std::to_string(sy)
                        + (mirrored ? " mirrored" : ""));
    }
    int Left(int c) const override { return controls.at(c).left; }
    int Top(int c) const override { return controls.at(c).top; }
    void Set_Left(int c, int left) override { controls[c].left = left; }
    void Set_Top(int c, int top) override { controls[c].top = top; }
    void Set_Visible(int c, bool visible) override { controls[c].visible = visible; }
    void Set_Label_Text(const std::string& text) override { label_text = text; }
    int Label_Left() const override { return label_left; }
    int Label_Width() const override { return text_width(label_text); }
    void Set_Label_Left(int left) override { label_left = left; }
    void Set_Label_Top(int top) override { label_top = top; }
    void Set_Label_Visible(bool visible) override { label_visible = visible; }
    void Refresh_Label() override {}
    void Set_Interval(int ms) override { interval = ms; }
};

class Banner : public ::testing::Test {
protected:
    void TearDown() override { Set_Random_Source(nullptr); }

    void choose_scene(int scene)
    {
        Set_Random_Source([scene] { return scene == 0 ? 0.25 : 0.75; });
    }

    // Ticks until the counter has shown `frame`.
    void run_to(int frame)
    {
        for (int guard = 0; guard < 1000 && t != frame; ++guard)
            Banner_Tick(stage, t);
        ASSERT_EQ(t, frame);
    }

    Fake_Stage stage;
    int t = -1;
};

TEST_F(Banner, SceneAFollowsTheOpeningAndReturnsToFrameZero)
{
    choose_scene(0);
    std::vector<int> seen;
    for (int i = 0; i < 252; ++i) {
        Banner_Tick(stage, t);
        seen.push_back(t);
    }
    for (int i = 0; i <= 249; ++i)
        EXPECT_EQ(seen[static_cast<size_t>(i)], i);
    EXPECT_EQ(seen[250], -1);  // frame 250 sends the counter back
    EXPECT_EQ(seen[251], 0);
}

TEST_F(Banner, SceneBSkipsSceneAAndReturnsToFrameZero)
{
    choose_scene(1);
    std::vector<int> seen;
    for (int i = 0; i < 252; ++i) {
        Banner_Tick(stage, t);
        seen.push_back(t);
    }
    EXPECT_EQ(seen[129], 250);  // frame 129 jumps to 250, so the next tick is 251
    EXPECT_EQ(seen[130], 251);
    for (int v : seen)
        EXPECT_FALSE(v >= 130 && v <= 250 && v != 250) << v;
    EXPECT_EQ(seen[248], 369);
    EXPECT_EQ(seen[249], -1);  // frame 370 sends the counter back
    EXPECT_EQ(seen[250], 0);
}

TEST_F(Banner, IntervalsChangeOnTheirFrames)
{
    choose_scene(0);
    struct Change { int frame; int interval; };
    const Change a[] = {{72, 100}, {73, 50}, {147, 50}, {148, 80}, {149, 100}, {154, 250},
                        {170, 100}, {190, 10}, {200, 100}, {207, 2000}, {220, 100}, {249, 100}};
    for (Change c : a) {
        run_to(c.frame);
        EXPECT_EQ(stage.interval, c.interval) << "after frame " << c.frame;
    }
    choose_scene(1);
    t = -1;
    const Change b[] = {{268, 50}, {269, 80}, {270, 100}, {312, 200}, {330, 50}, {348, 100}, {369, 100}};
    for (Change c : b) {
        run_to(c.frame);
        EXPECT_EQ(stage.interval, c.interval) << "after frame " << c.frame;
    }
}

TEST_F(Banner, TheDiggerWrapsRoundBehindTheTaglineAtFrame34)
{
    choose_scene(0);
    run_to(0);
    EXPECT_EQ(stage.Left(7), 120);
    EXPECT_EQ(stage.label_left, 136);
    EXPECT_TRUE(stage.label_visible);
    run_to(33);
    EXPECT_EQ(stage.Left(7), -12);
    run_to(34);
    EXPECT_EQ(stage.label_left, 0);
    EXPECT_EQ(stage.Left(7), 138);  // the tagline's right end
    EXPECT_EQ(stage.draws.back(), "7 " + std::to_string((34 % 4) * 16) + ",0");
}

TEST_F(Banner, TheQuestionMarkBlinksThreeTimes)
{
    choose_scene(0);
    run_to(159);
    const int digger_left = stage.Left(7);
    for (int frame = 160; frame <= 164; ++frame) {
        run_to(frame);
        EXPECT_EQ(stage.label_text, frame % 2 == 0 ? "?" : "") << frame;
    }
    EXPECT_EQ(stage.label_left, digger_left - 6);
    EXPECT_EQ(stage.label_top, 0);
}

TEST_F(Banner, TheExclamationHopsWithTheDiggerAndEndsAtTopSeven)
{
    choose_scene(0);
    run_to(170);
    EXPECT_EQ(stage.label_text, "!");
    EXPECT_EQ(stage.Top(7), 8);
    for (int frame = 171; frame <= 189; ++frame) {
        run_to(frame);
        const bool odd = frame % 2 == 1;
        EXPECT_EQ(stage.Top(7), odd ? 7 : 8) << frame;
        EXPECT_EQ(stage.label_top, odd ? -1 : 0) << frame;
    }
    EXPECT_EQ(stage.Top(7), 7);
}

TEST_F(Banner, SceneARidesThePlateAndFallsOut)
{
    choose_scene(0);
    run_to(190);
    EXPECT_FALSE(stage.label_visible);
    EXPECT_TRUE(stage.controls[9].visible);
    EXPECT_EQ(stage.Top(9), 33);
    run_to(199);
    EXPECT_EQ(stage.Top(9), 33 - 12 - 16 + 2);
    EXPECT_EQ(stage.Top(7), 7 - 24);
    run_to(229);
    EXPECT_EQ(stage.Top(7), 7 - 24 + 4 + 3 + 1 + (2 + 3 + 4 + 5 + 6 + 7 + 8 + 9 + 10));
    EXPECT_GT(stage.Top(7), 34);  // out of the box
    EXPECT_GT(stage.Top(9), 34);
}

TEST_F(Banner, SceneBEndsWithEverythingFallingAndTheMirroredDigger)
{
    choose_scene(1);
    run_to(353);
    const int t7 = stage.Top(7), t8 = stage.Top(8), t9 = stage.Top(9);
    run_to(354);
    EXPECT_EQ(stage.draws[stage.draws.size() - 2], "7 144,80 mirrored");
    EXPECT_EQ(stage.draws.back(), "8 144,80");
    run_to(369);
    const int fallen = (1 + 16) * 16 / 2;  // 1 + 2 + … + 16
    EXPECT_EQ(stage.Top(7), t7 + fallen);
    EXPECT_EQ(stage.Top(8), t8 + fallen);
    EXPECT_EQ(stage.Top(9), t9 + fallen);
}

TEST_F(Banner, SceneBSecondDiggerWalksInFromTheLeft)
{
    choose_scene(1);
    run_to(280);
    EXPECT_EQ(stage.Left(8), -46);
    const int l7 = stage.Left(7);
    run_to(311);
    EXPECT_EQ(stage.Left(8), -46 + 48);
    EXPECT_EQ(stage.Left(7), l7 + 52);
    run_to(312);
    EXPECT_EQ(stage.Top(9), 33);
    EXPECT_TRUE(stage.controls[9].visible);
}

}  // namespace
