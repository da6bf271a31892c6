#include "shell/sdl_library.h"

#include <dlfcn.h>

namespace {

template <class Function>
bool bind(void* library, Function& function, const char* name)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

const Sdl_Library* load()
{
    // Never closed: SDL stays in use for the rest of the run.
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    static Sdl_Library sdl;
    const bool complete = bind(library, sdl.SetHint, "SDL_SetHint")
        && bind(library, sdl.InitSubSystem, "SDL_InitSubSystem")
        && bind(library, sdl.QuitSubSystem, "SDL_QuitSubSystem")
        && bind(library, sdl.PollEvent, "SDL_PollEvent")
        && bind(library, sdl.JoystickGetDeviceInstanceID, "SDL_JoystickGetDeviceInstanceID")
        && bind(library, sdl.JoystickInstanceID, "SDL_JoystickInstanceID")
        && bind(library, sdl.GameControllerOpen, "SDL_GameControllerOpen")
        && bind(library, sdl.GameControllerGetJoystick, "SDL_GameControllerGetJoystick")
        && bind(library, sdl.GameControllerClose, "SDL_GameControllerClose");
    return complete ? &sdl : nullptr;
}

}  // namespace

const Sdl_Library* Load_Sdl()
{
    static const Sdl_Library* const sdl = load();
    return sdl;
}
