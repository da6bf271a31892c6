// The game with a controller attached: the real game window, started as main.cpp starts it, and
// SDL's own virtual controller plugged in while a game runs (no device needed). Prints the idle
// CPU of the game without a controller and with one left alone, how soon a controller plugged in
// is in use, and how long a press takes to reach the key handlers, from the moment it is made
// and from the moment SDL sees it, both for the first press after a rest and during play.
// Not a test: figures only. Usage (on a display, from a copy of the program folder):
// delvano_controller_bench [seconds]
#include "display/pictures.h"
#include "game_window/form1.h"
#include "shell/event_loop.h"
#include "shell/game_controllers.h"
#include "state/module1.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double ms_between(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double cpu_seconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// When SDL turned the last press into an event (during the game's own poll) and when the
// game's key handlers got it.
Clock::time_point seen_at, acted_at;

int on_sdl_event(void*, SDL_Event* event)
{
    if (event->type == SDL_CONTROLLERBUTTONDOWN)
        seen_at = Clock::now();
    return 1;
}

class Key_Watch final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            acted_at = Clock::now();
        return false;
    }
};

// The steps run one after another inside the game's own main loop, on precise timers: a coarse
// one would fire on the same wake-up as the game's poll and flatter its latency.
struct Script {
    std::vector<std::function<int()>> steps;  // each returns the delay before the next, in ms
    size_t next = 0;
    void Run()
    {
        if (next < steps.size())
            QTimer::singleShot(steps[next++](), Qt::PreciseTimer, [this] { Run(); });
    }
};

void print_spread(const char* what, std::vector<double> ms)
{
    if (ms.empty()) {
        std::printf("%-52s no press reached the game\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-52s median %6.2f ms, 95th %6.2f ms, max %6.2f ms (%zu presses)\n", what,
                ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(), ms.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 10;
    QApplication app(argc, argv);
    const Picture_Store pictures;
    Event_Loop_Pacing pacing;
    Set_Pacing_Host(&pacing);
    Form1 window;
    Key_Watch key_watch;
    app.installEventFilter(&key_watch);
    std::mt19937 random(12345);

    SDL_Joystick* pad = nullptr;
    double cpu_start = 0;
    Clock::time_point wall_start, pressed_at, plugged_at;
    const auto measure_from = [&] {
        cpu_start = cpu_seconds();
        wall_start = Clock::now();
        return seconds * 1000;
    };
    const auto report_cpu = [&](const char* what) {
        const double wall = ms_between(wall_start, Clock::now()) / 1000;
        std::printf("%-52s CPU %5.2f %% of a core over %.0f s\n", what,
                    100 * (cpu_seconds() - cpu_start) / wall, wall);
    };

    Script script;
    script.steps = {
        [&] { return 2000; },  // the window shows, everything settles
        [&] {
            window.activateWindow();  // no window manager does it on the benchmark's display
            // The virtual controller has no device to wake the game's own start of SDL.
            window.Watch_Controllers(true);
            return 1000;
        },
        [&] {
            const bool active = QApplication::activeWindow() == &window;
            std::printf("game window active: %s\n", active ? "yes" : "no");
            window.mnuG1_Click();  // a game, started from the menu
            return 2000;
        },
        [&] { return measure_from() + int(random() % 250); },
        [&] {
            report_cpu("playing, SDL started, no controller");
            SDL_VirtualJoystickDesc desc{SDL_VIRTUAL_JOYSTICK_DESC_VERSION,
                                         SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                         SDL_CONTROLLER_BUTTON_MAX};
            pad = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
            SDL_AddEventWatch(on_sdl_event, nullptr);
            plugged_at = Clock::now();
            auto* watch = new QTimer(&window);
            QObject::connect(watch, &QTimer::timeout, [&, watch] {
                if (!SDL_GameControllerFromInstanceID(SDL_JoystickInstanceID(pad)))
                    return;
                std::printf("%-52s %6.1f ms\n", "plugged in, to the game's use of it",
                            ms_between(plugged_at, Clock::now()));
                watch->deleteLater();
            });
            watch->setTimerType(Qt::PreciseTimer);
            watch->start(1);
            return Game_Controllers::In_Use_Ms + 1000;  // untouched since
        },
        [&] { return measure_from(); },
        [&] {
            report_cpu("playing, controller attached and left alone");
            return 100;
        },
    };
    // X stands for no key during a game: each press reaches the key handlers and does nothing.
    // A player at the controller presses every few tens of milliseconds; the first press after
    // a rest comes when the controller has been left alone.
    struct Series {
        std::string what;
        int presses, gap, spread;
        std::vector<double> from_press, from_sdl;
    };
    Series series[] = {{"first after a rest", 10, Game_Controllers::In_Use_Ms + 500, 250, {}, {}},
                       {"in play", 200, 20, 40, {}, {}}};
    for (Series& s : series) {
        for (int i = 0; i < s.presses; ++i) {
            script.steps.push_back([&] { return s.gap + int(random() % s.spread); });
            script.steps.push_back([&] {
                acted_at = seen_at = {};
                pressed_at = Clock::now();
                SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_X, 1);
                return 100;  // held longer than any poll interval, so no press goes unseen
            });
            script.steps.push_back([&] {
                if (acted_at != Clock::time_point{}) {
                    s.from_press.push_back(ms_between(pressed_at, acted_at));
                    s.from_sdl.push_back(ms_between(seen_at, acted_at));
                }
                SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_X, 0);
                return 0;
            });
        }
    }
    script.steps.push_back([&] {
        for (const Series& s : series) {
            print_spread((s.what + ": press made, to the key handlers").c_str(), s.from_press);
            print_spread((s.what + ": seen by SDL, to the key handlers").c_str(), s.from_sdl);
        }
        SDL_JoystickClose(pad);
        window.close();
        return 0;
    });
    QTimer::singleShot(0, [&] { script.Run(); });
    window.Form_Load();
    return 0;
}
