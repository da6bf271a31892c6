// The built game under a real window manager and sound server, played with real key events.
#include "desktop/live_desktop.h"
#include "shell/settings_file.h"
#include "state/module1.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace {

struct Game : ::testing::Test {
    // The game-over frames may wait, so that a key held through the sequence auto-repeats.
    void start(Live_Desktop_Options options, int other_frames_wait = 0)
    {
        desktop.emplace(options);
        ASSERT_EQ(desktop->error(), "");
        Reset_Module1();
        Wait_Value = {0, 0, 0, 0, 0, 0, other_frames_wait};
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
        return Live_Desktop::wait_until([&, before = play_area()]() mutable { return std::exchange(before, play_area()) == before; });
    }
    bool keys_act(const QString& keys)  // a turn, a step or a new game shows within seconds
    {
        const auto changed = [&, before = play_area()] { return play_area() != before; };
        return key(keys), Live_Desktop::wait_until(changed, 3000);
    }
    QString hex(const QString& window) { return "0x" + QString::number(window.toUInt(), 16); }
    bool above_game(const QString& dialog)
    {
        const QStringList stack = desktop->xprop("-root", "_NET_CLIENT_LIST_STACKING").remove("window id # ").split(", ");
        return stack.indexOf(hex(game)) >= 0 && stack.indexOf(hex(dialog)) > stack.indexOf(hex(game));
    }
    QString title(const QString& window) { return desktop->xprop(window, "_NET_WM_NAME").remove('"'); }
    bool closed(const char* dialog)  // and the window manager has given the game the keyboard back
    {
        const auto game_active = [&] { return desktop->xprop("-root", "_NET_ACTIVE_WINDOW").endsWith(hex(game)); };
        return Live_Desktop::wait_until([&] { return desktop->find_window(dialog, 0).isEmpty() && game_active(); });
    }

    std::optional<Live_Desktop> desktop;
    QString game;
};

struct Menu_Dialog { const char* menu_keys; const char* title; QPoint frame_offset; };
void PrintTo(const Menu_Dialog& row, std::ostream* out) { *out << row.menu_keys; }
struct Menu_Dialogs : Game, ::testing::WithParamInterface<Menu_Dialog> {};
TEST_P(Menu_Dialogs, OpenAboveTheGameAndHandTheKeysBackOnEsc)
{
    start({.window_manager = true});
    EXPECT_EQ(title(game), "でるぼん");
    ASSERT_TRUE(keys_act("keydown Left"));  // released below while the dialog has the keyboard
    key(GetParam().menu_keys);
    const QString dialog = desktop->find_window(GetParam().title);
    EXPECT_EQ(title(dialog), GetParam().title);
    EXPECT_EQ(desktop->outer_frame(dialog).topLeft() - desktop->outer_frame(game).topLeft(), GetParam().frame_offset);
    EXPECT_TRUE(above_game(dialog));
    for (const QString& window : {game, dialog})  // fixed borders: never maximised or resized
        EXPECT_FALSE(desktop->xprop(window, "_NET_WM_ALLOWED_ACTIONS").contains(QRegularExpression("MAXIMIZE|RESIZE")));
    key("keyup Left key Escape");
    ASSERT_TRUE(closed(GetParam().title));
    EXPECT_TRUE(keys_act("key Right"));  // turns at once; a held ← would win over →
}
INSTANTIATE_TEST_SUITE_P(Both, Menu_Dialogs, ::testing::Values(
    Menu_Dialog{"key alt+o w", "でるぼん ウエイト設定", {-8, 20}},
    Menu_Dialog{"key alt+h v", "でるぼん バージョン情報", {74, 40}}));

TEST_F(Game, ZHeldThroughTheGameOverTypesNothingAndTheGameQuitsCleanlyAfterEffects)
{
    start({.window_manager = true, .sound_server = true}, 2);
    const auto red_pixels = [](const QImage& client) {  // of the hearts in the status panel
        const QImage hearts = client.copy(299, 27, 72, 14);
        const auto* rgb = reinterpret_cast<const QRgb*>(hearts.constBits());
        return std::count_if(rgb, rgb + 72 * 14, [](QRgb c) { return qRed(c) > 200 && qGreen(c) < 100; });
    };
    const auto ten_hearts = red_pixels(client({0, 0, 375, 234}));
    QString dialog;
    QImage field;
    int unchanged = 0;
    // Dig and step both ways; from the last life on, hold Z after each round, down when it goes.
    for (int round = 0; round < 500 && dialog.isEmpty(); ++round) {
        key("key --delay 4 Left z Left Right z Right");
        const QImage now = client({0, 0, 375, 234});
        unchanged = std::exchange(field, now.copy(4, 6, 240, 224)) == field ? unchanged + 1 : 0;
        if ((unchanged > 0 && unchanged % 4 == 0) || round % 100 == 99)  // shut in, or going nowhere:
            key("windowactivate --sync " + game + " key alt+g n");  // start again on the game window
        if (red_pixels(now) * 10 > ten_hearts)
            continue;
        key("keydown z");
        dialog = desktop->find_window("ハイスコア", 3000);
        key("keyup z");
    }
    ASSERT_NE(dialog, "");
    EXPECT_EQ(title(dialog), "でるぼん ハイスコア");
    EXPECT_TRUE(above_game(dialog));
    key("key a b Escape");
    ASSERT_TRUE(closed("ハイスコア"));
    EXPECT_TRUE(keys_act("key space"));
    key("key alt+g x");
    EXPECT_EQ(desktop->wait_for_exit(), 0);
    bool sound = false;
    ASSERT_EQ(Settings_Load(desktop->program_dir() + "/Delvano.ini", sound), Load_Result::Loaded);
    EXPECT_EQ(Score_Table[0].Name, "ab");  // as typed, without the held Z
    EXPECT_GT(Score_Table[0].Score, 0);
}

}  // namespace
