#include "shell/game_controllers.h"

#include "core/main_loop.h"
#include "shell/controller_devices.h"
#include "shell/key_events.h"
#include "shell/pad_event.h"
#include "shell/sdl_library.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QWidget>

namespace {

std::optional<Pad_Input> input_of(int button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return Pad_Input::A;
    case SDL_CONTROLLER_BUTTON_B: return Pad_Input::B;
    case SDL_CONTROLLER_BUTTON_X: return Pad_Input::X;
    case SDL_CONTROLLER_BUTTON_Y: return Pad_Input::Y;
    case SDL_CONTROLLER_BUTTON_START: return Pad_Input::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return Pad_Input::Dpad_Left;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return Pad_Input::Dpad_Right;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return Pad_Input::Dpad_Up;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return Pad_Input::Dpad_Down;
    default: return std::nullopt;
    }
}

}  // namespace

Game_Controllers::Game_Controllers(QWidget& game_window) : game_window_(game_window)
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
}

Game_Controllers::~Game_Controllers()
{
    if (!sdl_started_)
        return;
    const Sdl_Library& sdl = *Load_Sdl();
    for (const auto& [id, controller] : open_)
        sdl.GameControllerClose(controller);
    sdl.QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Game_Controllers::Start(bool without_device)
{
    if (timer_.isActive())
        return;
    if (without_device || Controller_Device_Present()) {
        device_watch_.reset();
        timer_.start(Slow_Poll_Ms);
        return;
    }
    // The kernel makes a node in /dev/input for every device plugged in; where no input device
    // has been seen yet, /dev is watched until the folder appears.
    if (device_watch_)
        return;
    device_watch_ = std::make_unique<QFileSystemWatcher>();
    QObject::connect(device_watch_.get(), &QFileSystemWatcher::directoryChanged,
                     [this] { Device_Appeared(); });
    Device_Appeared();
}

void Game_Controllers::Device_Appeared()
{
    if (Controller_Device_Present()) {
        // Deleting the watcher that is telling of the change would pull it from under itself.
        device_watch_.release()->deleteLater();
        timer_.start(Slow_Poll_Ms);
        return;
    }
    const QString input = QStringLiteral("/dev/input");
    const QStringList wanted{QFileInfo::exists(input) ? input : QStringLiteral("/dev")};
    const QStringList watched = device_watch_->directories();
    if (watched != wanted) {
        if (!watched.isEmpty())
            device_watch_->removePaths(watched);
        device_watch_->addPaths(wanted);
    }
}

bool Game_Controllers::Start_Sdl()
{
    const Sdl_Library* sdl = Load_Sdl();
    if (!sdl)
        return false;
    // The game's own handlers end the run on SIGINT and SIGTERM; SDL's would swallow them.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A is the bottom face button on every controller, whatever letter it wears.
    sdl->SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    sdl_started_ = sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return sdl_started_;
}

Pad_Window Game_Controllers::Active_Window() const
{
    // An open menu has the keyboard; so has another program when none of ours is active.
    if (QApplication::activePopupWidget())
        return Pad_Window::None;
    const QWidget* active = QApplication::activeWindow();
    if (!active)
        return Pad_Window::None;
    return active == &game_window_ ? Pad_Window::Game_Window : Pad_Window::Dialog;
}

void Game_Controllers::Queue(const std::optional<Key_Change>& change)
{
    if (change)
        pending_.push_back(*change);
}

void Game_Controllers::Queue(const std::vector<Key_Change>& changes)
{
    pending_.insert(pending_.end(), changes.begin(), changes.end());
}

void Game_Controllers::Poll()
{
    if (!sdl_started_ && !Start_Sdl()) {
        // No controller can be had this run; the keyboard is all there is.
        timer_.stop();
        return;
    }
    const Sdl_Library& sdl = *Load_Sdl();
    const Pad_Window window = Active_Window();
    SDL_Event event;
    while (sdl.PollEvent(&event)) {
        switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (!open_.count(sdl.JoystickGetDeviceInstanceID(event.cdevice.which)))
                if (SDL_GameController* controller = sdl.GameControllerOpen(event.cdevice.which))
                    open_[sdl.JoystickInstanceID(sdl.GameControllerGetJoystick(controller))] =
                        controller;
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            // SDL has let go of its buttons and centred its stick just before, so whatever it
            // held is released already.
            if (const auto gone = open_.find(event.cdevice.which); gone != open_.end()) {
                sdl.GameControllerClose(gone->second);
                open_.erase(gone);
            }
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            last_input_ = std::chrono::steady_clock::now();
            if (const auto input = input_of(event.cbutton.button))
                Queue(event.type == SDL_CONTROLLERBUTTONDOWN
                          ? keys_.Press(event.cbutton.which, *input, window)
                          : keys_.Release(event.cbutton.which, *input));
            break;
        case SDL_CONTROLLERAXISMOTION:
            // A stick's own jitter is no player at the controller; pushing it to a side is.
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX
                || event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                const auto changes = keys_.Move_Stick(
                    event.caxis.which, event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY,
                    event.caxis.value, window);
                if (!changes.empty())
                    last_input_ = std::chrono::steady_clock::now();
                Queue(changes);
            }
            break;
        default:
            break;
        }
    }
    const bool in_use = keys_.Holding()
        || std::chrono::steady_clock::now() - last_input_ < std::chrono::milliseconds(In_Use_Ms);
    Send_Pending();
    // A key kept down for the main loop goes up at the next fast poll after its pass.
    const int interval = !pending_.empty()                           ? Fast_Poll_Ms
                         : open_.empty() || window == Pad_Window::None ? Slow_Poll_Ms
                         : in_use                                      ? Fast_Poll_Ms
                                                                       : Resting_Poll_Ms;
    if (timer_.interval() != interval)
        timer_.setInterval(interval);
}

void Game_Controllers::Send_Pending()
{
    while (!pending_.empty()) {
        const Key_Change change = pending_.front();
        if (change.key_code != 0) {
            if (!change.down && down_in_pass_[change.key_code] == Main_Loop_Passes())
                return;
            if (change.down)
                down_in_pass_[change.key_code] = Main_Loop_Passes();
        }
        pending_.pop_front();
        QWidget* receiver = QApplication::focusWidget();
        if (!receiver)
            receiver = QApplication::activeWindow();
        // With none of the program's windows active the key is another program's.
        if (!receiver || QApplication::activePopupWidget())
            continue;
        if (change.key_code == 0) {
            Pad_Event event(change.input);
            QCoreApplication::sendEvent(receiver, &event);
        } else {
            Send_Key(*receiver, change.key_code, change.down);
        }
    }
}
