// The built game under a real window manager and sound server, played with real key events.
#include "desktop/live_desktop.h"
#include "shell/settings_file.h"
#include "state/module1.h"
#include "support/table.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <utility>

namespace {

struct Game : ::testing::Test {
    void start(Live_Desktop_Options options)
    {
        desktop.emplace(options);
        ASSERT_EQ(desktop->error(), "");
        Reset_Module1();
        Wait_Value.fill(0);
        ASSERT_TRUE(Settings_Save(desktop->program_dir() + "/Delvano.ini", true));
        ASSERT_TRUE(desktop->start_game());
        game = desktop->game_window();
        ASSERT_TRUE(keys_act("key space"));
        ASSERT_TRUE(settled());
    }
    void key(const QString& commands) { desktop->run("xdotool", commands.split(' ')); }
    QImage client(QRect part)  // the client area lies below the menu bar
    {
        const QImage shot = desktop->screenshot(game);
        return shot.copy(part.translated(0, shot.height() - 234));
    }
    QImage play_area() { return client({4, 6, 240, 224}); }
    bool settled()
    {
        return Live_Desktop::wait_until([&, before = play_area()]() mutable {
            return std::exchange(before, play_area()) == before;
        });
    }
    bool keys_act(const QString& keys)  // a turn, a step or a new game shows within seconds
    {
        const auto changed = [&, before = play_area()] { return play_area() != before; };
        return key(keys), Live_Desktop::wait_until(changed, 3000);
    }
    QString hex(const QString& window) { return "0x" + QString::number(window.toUInt(), 16); }
    bool above_game(const QString& dialog)
    {
        const QStringList stack =
            desktop->xprop("-root", "_NET_CLIENT_LIST_STACKING").remove("window id # ").split(", ");
        const auto place = [&](const QString& window) { return stack.indexOf(hex(window)); };
        return place(game) >= 0 && place(dialog) > place(game);
    }
    QString title(const QString& window) { return desktop->xprop(window, "_NET_WM_NAME").remove('"'); }
    bool closed(const char* dialog)  // and the window manager has given the game the keyboard back
    {
        // The window manager names the game active a moment before the X server moves the
        // keyboard to it; a key pressed in between would go nowhere.
        const auto game_active = [&] {
            return desktop->xprop("-root", "_NET_ACTIVE_WINDOW").endsWith(hex(game)) &&
                   desktop->run("xdotool", {"getwindowfocus"}).trimmed() == game;
        };
        return Live_Desktop::wait_until(
            [&] { return desktop->find_window(dialog, 0).isEmpty() && game_active(); });
    }

    std::optional<Live_Desktop> desktop;
    QString game;
};

struct Menu_Dialog : Named_Row {
    const char* menu_keys;
    const char* title;
    QPoint frame_offset;
};
struct Menu_Dialogs : Game, ::testing::WithParamInterface<Menu_Dialog> {};
TEST_P(Menu_Dialogs, OpenAboveTheGameAndHandTheKeysBackOnEsc)
{
    start({.window_manager = true});
    EXPECT_EQ(title(game), "でるぼん");
    ASSERT_TRUE(keys_act("keydown Left"));  // released below while the dialog has the keyboard
    key(GetParam().menu_keys);
    const QString dialog = desktop->find_window(GetParam().title);
    EXPECT_EQ(title(dialog), GetParam().title);
    const QPoint offset = desktop->outer_frame(dialog).topLeft() - desktop->outer_frame(game).topLeft();
    EXPECT_EQ(offset, GetParam().frame_offset);
    EXPECT_TRUE(above_game(dialog));
    const QRegularExpression resizing("MAXIMIZE|RESIZE");
    for (const QString& window : {game, dialog})  // fixed borders: never maximised or resized
        EXPECT_FALSE(desktop->xprop(window, "_NET_WM_ALLOWED_ACTIONS").contains(resizing));
    key("keyup Left key Escape");
    ASSERT_TRUE(closed(GetParam().title));
    EXPECT_TRUE(keys_act("key Right"));  // turns at once; a held ← would win over →
}
const Menu_Dialog Menu_Dialog_Rows[] = {
    {"wait_settings", "key alt+o w", "でるぼん ウエイト設定", {-8, 20}},
    {"version", "key alt+h v", "でるぼん バージョン情報", {74, 40}},
};
INSTANTIATE_TABLE(Both, Menu_Dialogs, Menu_Dialog_Rows);

TEST_F(Game, QuitsCleanlyWhileAnEffectStillSounds)
{
    start({.window_manager = true, .sound_server = true});
    ASSERT_TRUE(keys_act("key z"));  // the soil beside the digger crumbles, and "Dig" sounds
    ASSERT_TRUE(Live_Desktop::wait_until(
        [&] { return !desktop->run("pactl", {"list", "short", "sink-inputs"}).isEmpty(); }));
    key("key alt+g x");
    EXPECT_EQ(desktop->wait_for_exit(), 0);
    bool sound = false;
    EXPECT_EQ(Settings_Load(desktop->program_dir() + "/Delvano.ini", sound), Load_Result::Loaded);
    EXPECT_TRUE(sound);
}

}  // namespace
