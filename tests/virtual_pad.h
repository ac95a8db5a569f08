#ifndef CRUMBLEFORD_TESTS_VIRTUAL_PAD_H
#define CRUMBLEFORD_TESTS_VIRTUAL_PAD_H

// SDL's virtual joystick attached as a game controller, for the tests that
// play with a pad. The test holds SDL's game-controller subsystem open
// itself while pads exist.

#include <SDL.h>

// A virtual pad with the standard game-controller layout: SDL gives it a
// mapping of its own, buttons and axes in SDL's order.
class virtual_pad
{
  public:
    virtual_pad()
    {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "crumbleford test pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index < 0)
            return;
        joystick = SDL_JoystickOpen(index);
        // A trigger at rest is the axis' minimum.
        axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_JOYSTICK_AXIS_MIN);
        axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, SDL_JOYSTICK_AXIS_MIN);
    }
    ~virtual_pad() { unplug(); }
    virtual_pad(const virtual_pad&) = delete;
    virtual_pad& operator=(const virtual_pad&) = delete;

    bool ok() const { return joystick != nullptr; }
    void button(SDL_GameControllerButton b, bool down)
    {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
    }
    void axis(SDL_GameControllerAxis a, int value)
    {
        SDL_JoystickSetVirtualAxis(joystick, a, static_cast<Sint16>(value));
    }
    void unplug()
    {
        if (!joystick)
            return;
        const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id)
                SDL_JoystickDetachVirtual(i);
        SDL_JoystickClose(joystick);
        joystick = nullptr;
    }

  private:
    SDL_Joystick* joystick = nullptr;
};

#endif
