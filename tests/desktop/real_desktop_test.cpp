// The built game under a real window manager and sound server, played with real key events.
#include "desktop/live_desktop.h"
#include "shell/settings_file.h"
#include "state/module1.h"

#include <gtest/gtest.h>

namespace {

TEST(Built_Game, QuitsCleanlyWhileAnEffectStillSounds)
{
    Live_Desktop desktop({.window_manager = true, .sound_server = true});
    ASSERT_EQ(desktop.error(), "");
    Reset_Module1();
    Wait_Value.fill(0);
    ASSERT_TRUE(Settings_Save(desktop.program_dir() + "/Delvano.ini", true));
    ASSERT_TRUE(desktop.start_game());
    // Z starts a game, and held on it digs the soil beside the digger: "Dig" sounds.
    desktop.run("xdotool", {"keydown", "z"});
    ASSERT_TRUE(Live_Desktop::wait_until(
        [&] { return !desktop.run("pactl", {"list", "short", "sink-inputs"}).isEmpty(); }));
    desktop.run("xdotool", {"keyup", "z", "key", "alt+g", "x"});
    EXPECT_EQ(desktop.wait_for_exit(), 0);
    bool sound = false;
    EXPECT_EQ(Settings_Load(desktop.program_dir() + "/Delvano.ini", sound), Load_Result::Loaded);
    EXPECT_TRUE(sound);
}

}  // namespace
