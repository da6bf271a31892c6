// The game window in this process on its own desktop, played with the X server's keys on a stage the test sets:
// menu dialogs under a window manager, a ranking ending with a key held; DELVANO_LIVE_DESKTOP=wayland: on Weston.
#include "core/main_loop.h"
#include "desktop/live_desktop.h"
#include "dialogs/form4.h"
#include "display/palette.h"
#include "display/pictures.h"
#include "game_window/form1.h"
#include "shell/event_loop.h"
#include "state/module1.h"
#include "state/random_source.h"
#include "support/look.h"
#include "support/table.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
Live_Desktop* desktop = nullptr;  // brought up by main, before the application connects to it
bool wayland = false;  // a Wayland client tells nothing of any window's title, stack or frame
void xdotool(const QString& keys) { desktop->run("xdotool", keys.split(' ')); }
QString id(const QWidget* window) { return QString::number(window->winId()); }
QString hex(const QWidget* window) { return "0x" + QString::number(window->winId(), 16); }
QString title(const QWidget* window) { return desktop->xprop(id(window), "_NET_WM_NAME").remove('"'); }
bool above(const QWidget* upper, const QWidget* lower)
{
    const QStringList stack = desktop->xprop("-root", "_NET_CLIENT_LIST_STACKING").remove("window id # ").split(", ");
    return stack.indexOf(hex(lower)) >= 0 && stack.indexOf(hex(upper)) > stack.indexOf(hex(lower));
}
// Active in the window manager's word and in the X server's focus: a key between the two goes nowhere.
bool has_keyboard(const QWidget* window)
{
    if (wayland)  // the compositor activates the window as it sends it the keyboard
        return window->isActiveWindow() && QGuiApplication::focusWindow() == window->windowHandle();
    return desktop->xprop("-root", "_NET_ACTIVE_WINDOW").endsWith(hex(window)) &&
           desktop->run("xdotool", {"getwindowfocus"}).trimmed() == id(window);
}
// The game's main loop while the steps take turns, each acting once its condition holds: how many were done.
using Step = std::pair<std::function<bool()>, std::function<void()>>;
size_t Play(Form1& window, const std::vector<Step>& steps)
{
    size_t done = 0;
    QTimer cue;  // the test's moves, made between the game's own events
    QObject::connect(&cue, &QTimer::timeout, [&] {
        if (done < steps.size() && steps[done].first())
            steps[done++].second();
    });
    cue.start(20);
    const QDeadlineTimer deadline(12000);
    Run_Main_Loop(window, [&] { return done < steps.size() && !deadline.hasExpired(); });
    return done;
}
// A game under way on an empty map under the first soil, started by a real key.
struct Live_Game : testing::Test {
    void SetUp() override
    {
        Reset_Module1();
        App_Dir = DELVANO_PROGRAM_DIR "/";  // the effects play from the built program folder
        window.Settings_File = scratch.filePath("Delvano.ini");
        Set_Random_Source([] { return 0.7; });
        window.Show_Title_Look(), window.show(), window.activateWindow(), window.Focus_Key_Picture();
        ASSERT_EQ(Play(window, {{[&] { return has_keyboard(&window); }, [] { xdotool("key space"); }},
                                {[&] { return window.Picture2->hasFocus(); }, [] {}}}), 2u);
    }
    void TearDown() override { Set_Random_Source(nullptr); }
    QTemporaryDir scratch;
    Form1 window;
};
struct Menu_Dialog : Named_Row { const char* keys; const char* title; QPoint frame_offset; };
struct Menu_Dialogs : Live_Game, testing::WithParamInterface<Menu_Dialog> {};
TEST_P(Menu_Dialogs, OpenAboveTheGameAndHandTheKeysBackOnEsc)
{
    QWidget* dialog = nullptr;
    const size_t done = Play(window, {
        {[] { return true; }, [] { xdotool("keydown Left"); }},
        // All three keys held as the dialog takes the keyboard, and let go while it has it.
        {[] { return Digger_Dir == Facing_Left; },
         [&] { xdotool(QString("keydown z keydown Right ") + GetParam().keys); }},
        {[&] { return (dialog = QApplication::activeWindow()) != &window && dialog && has_keyboard(dialog); },
         [&] {
             if (!wayland) {
                 EXPECT_EQ(title(dialog), GetParam().title);
                 EXPECT_EQ(title(&window), "でるぼん");
                 EXPECT_TRUE(above(dialog, &window));
                 const QString actions = desktop->xprop(id(dialog), "_NET_WM_ALLOWED_ACTIONS") + " " +
                                         desktop->xprop(id(&window), "_NET_WM_ALLOWED_ACTIONS");
                 EXPECT_FALSE(actions.contains(QRegularExpression("MAXIMIZE|RESIZE")));  // never maximised or resized
                 EXPECT_EQ(desktop->frame_corner(id(dialog)) - desktop->frame_corner(id(&window)),
                           GetParam().frame_offset);
             }
             xdotool("keyup Left keyup z keyup Right key Escape");
         }},
        {[&] { return has_keyboard(&window); }, [] {
             EXPECT_EQ(Key_State, "000");  // none of them goes on by itself
             xdotool("keydown Right");
         }},
        {[] { return Digger_Dir == Facing_Right; }, [] { xdotool("keyup Right"); }},  // a held ← would win
    });
    EXPECT_EQ(done, 5u);
}
const Menu_Dialog Menu_Dialog_Rows[] = {
    {"wait_settings", "key alt+o w", "でるぼん ウエイト設定", {-8, 20}},
    {"version", "key alt+h v", "でるぼん バージョン情報", {74, 40}},
};
INSTANTIATE_TABLE(Both, Menu_Dialogs, Menu_Dialog_Rows);
struct Z_Presses : QObject {  // that reach one widget: the X server's repeats of the held key
    QObject* at = nullptr;
    int count = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += watched == at && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == 'Z';
        return false;
    }
};
TEST_F(Live_Game, AKeyHeldThroughARankingEndingTypesNothingAndStartsNothing)
{
    if (wayland)
        GTEST_SKIP() << "closes the dialog by a click where its button is on screen, which Wayland hides from clients";
    Wait_Value[Slot_Other] = 2;  // each frame of the ending long enough for Z to repeat
    Z_Presses z;
    qApp->installEventFilter(&z);
    Form4* dialog = nullptr;
    Map_Line[1] = "020000000000000", Life = 1;  // the last life, a damage item one step right
    Score_Table = {Score_Entry{"A", 500}, {"B", 300}, {"C", 100}, {"me", 600}};  // a score for the first place
    const size_t done = Play(window, {
        {[] { return true; }, [] { xdotool("keydown Right"); }},
        {[] { return Game_Mode == Mode_Game_Over; }, [] { xdotool("keyup Right keydown z"); }},
        {[&] { return (dialog = shown<Form4>()); }, [&] { z.at = dialog->Text1, z.count = 0; }},
        {[&] { return z.count >= 2; }, [&] {
             EXPECT_EQ(dialog->Text1->text(), "me");  // the repeats typed nothing
             EXPECT_EQ(title(dialog), "でるぼん ハイスコア");
             EXPECT_TRUE(above(dialog, &window));
             const QImage field = window.Picture3->grab().toImage();  // "ゲームオーバー" in its 21 px bold face:
             EXPECT_EQ(ink_box(field.rect(), [&](int x, int y) { return is_ink(field.pixelColor(x, y), Yellow); }),
                       QRect(59, 100, 123, 17));
             // Closed by its button: a key press would end the held key's repeats.
             const QPoint button = dialog->Command1->mapToGlobal(dialog->Command1->rect().center());
             z.at = window.Picture2, z.count = 0;
             xdotool(QString("mousemove %1 %2 click 1").arg(button.x()).arg(button.y()));
         }},
        {[&] { return !shown<Form4>() && z.count >= 2; }, [&] {
             EXPECT_NE(Game_Mode, Mode_Playing) << "a game started under the held key, not the ending's look";
             xdotool("keyup z key space");
         }},
        {[] { return Game_Mode == Mode_Playing; }, [] {}},  // a fresh press starts the next game
    });
    EXPECT_EQ(done, 6u);
    EXPECT_EQ(Score_Table[0].Name + " " + std::to_string(Score_Table[0].Score), "me 600");
}
}  // namespace

int main(int argc, char** argv)
{
    wayland = qgetenv("DELVANO_LIVE_DESKTOP") == "wayland";
    Live_Desktop live({!wayland, true, wayland});
    if (!live.error().isEmpty())
        return std::fprintf(stderr, "%s\n", qPrintable(live.error())), 1;
    for (const char* name : {"DISPLAY", "HOME", "XDG_RUNTIME_DIR", "PULSE_SERVER", "WAYLAND_DISPLAY"})
        setenv(name, qPrintable(live.environment().value(name)), 1);
    setenv("QT_QPA_PLATFORM", wayland ? "wayland" : "xcb", 1);
    desktop = &live;
    QApplication app(argc, argv);
    const Picture_Store pictures;
    Event_Loop_Pacing pacing;
    Set_Pacing_Host(&pacing);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // The desktop goes (but on Wayland the display, which ends with us), and the process ends at once,
    // as the game does: the sound back end's teardown now and then aborts after effects were played.
    live.end_all_but_the_display();
    std::fflush(nullptr);
    std::_Exit(result);
}
