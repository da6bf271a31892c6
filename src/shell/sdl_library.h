// SDL 2, loaded when the game controllers start rather than linked in: linked, the library and
// the many it brings along would all be loaded before the game window could appear.
#pragma once

#include <SDL.h>

// The few SDL functions the game uses, as the loaded library has them.
struct Sdl_Library {
    decltype(&::SDL_SetHint) SetHint = nullptr;
    decltype(&::SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&::SDL_PollEvent) PollEvent = nullptr;
    decltype(&::SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID = nullptr;
    decltype(&::SDL_JoystickInstanceID) JoystickInstanceID = nullptr;
    decltype(&::SDL_GameControllerOpen) GameControllerOpen = nullptr;
    decltype(&::SDL_GameControllerGetJoystick) GameControllerGetJoystick = nullptr;
    decltype(&::SDL_GameControllerClose) GameControllerClose = nullptr;
};

// Loads SDL 2 on the first call; null when it is not installed or lacks one of them.
const Sdl_Library* Load_Sdl();
