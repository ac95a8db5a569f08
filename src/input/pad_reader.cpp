#include "pad_reader.h"

#include <QPointer>
#include <QTimer>
#include <SDL.h>
#include <algorithm>
#include <iostream>

namespace input
{

namespace
{

using pb = pad_button;

// How a source reads: a button, an axis pushed negative or positive, or a
// trigger (an axis that rests at 0).
enum class reading : unsigned char { button, axis_minus, axis_plus, trigger };

struct source {
    reading how;
    int sdl_id; // SDL_GameControllerButton or SDL_GameControllerAxis
    pad_button b;
};

// The left stick stands in for the D-pad; the right stick scrolls.
const source sources[] = {
    {reading::button, SDL_CONTROLLER_BUTTON_A, pb::south},
    {reading::button, SDL_CONTROLLER_BUTTON_B, pb::east},
    {reading::button, SDL_CONTROLLER_BUTTON_X, pb::west},
    {reading::button, SDL_CONTROLLER_BUTTON_Y, pb::north},
    {reading::button, SDL_CONTROLLER_BUTTON_BACK, pb::back},
    {reading::button, SDL_CONTROLLER_BUTTON_START, pb::start},
    {reading::button, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, pb::left_shoulder},
    {reading::button, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, pb::right_shoulder},
    {reading::trigger, SDL_CONTROLLER_AXIS_TRIGGERLEFT, pb::left_trigger},
    {reading::trigger, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, pb::right_trigger},
    {reading::button, SDL_CONTROLLER_BUTTON_DPAD_UP, pb::dpad_up},
    {reading::button, SDL_CONTROLLER_BUTTON_DPAD_DOWN, pb::dpad_down},
    {reading::button, SDL_CONTROLLER_BUTTON_DPAD_LEFT, pb::dpad_left},
    {reading::button, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, pb::dpad_right},
    {reading::axis_minus, SDL_CONTROLLER_AXIS_LEFTY, pb::dpad_up},
    {reading::axis_plus, SDL_CONTROLLER_AXIS_LEFTY, pb::dpad_down},
    {reading::axis_minus, SDL_CONTROLLER_AXIS_LEFTX, pb::dpad_left},
    {reading::axis_plus, SDL_CONTROLLER_AXIS_LEFTX, pb::dpad_right},
    {reading::axis_minus, SDL_CONTROLLER_AXIS_RIGHTY, pb::scroll_up},
    {reading::axis_plus, SDL_CONTROLLER_AXIS_RIGHTY, pb::scroll_down},
    {reading::axis_minus, SDL_CONTROLLER_AXIS_RIGHTX, pb::scroll_left},
    {reading::axis_plus, SDL_CONTROLLER_AXIS_RIGHTX, pb::scroll_right},
};
constexpr std::size_t source_count = sizeof sources / sizeof sources[0];

bool repeats(pad_button b)
{
    return b == pb::dpad_up || b == pb::dpad_down || b == pb::dpad_left || b == pb::dpad_right;
}

// Whether the source is pushed now; one that was pushed stays so until it
// is back below the rest threshold.
bool pushed(SDL_GameController* pad, const source& s, bool was_pushed)
{
    if (s.how == reading::button)
        return SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(s.sdl_id));
    int value = SDL_GameControllerGetAxis(pad, static_cast<SDL_GameControllerAxis>(s.sdl_id));
    if (s.how == reading::axis_minus)
        value = -value;
    if (s.how == reading::trigger)
        return value > (was_pushed ? pad_reader::trigger_rest : pad_reader::trigger_pushed);
    return value > (was_pushed ? pad_reader::stick_rest : pad_reader::stick_pushed);
}

} // namespace

pad_reader::pad_reader(QObject* parent) : QObject(parent)
{
    // SDL is here for pads alone: Qt keeps its signals, and with no SDL
    // window SDL must not wait for one to have the focus.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::cerr << "Crumbleford: no gamepads: " << SDL_GetError() << std::endl;
        return;
    }
    sdl_ready = true;
    clock.start();
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { poll(clock.elapsed()); });
    timer->start(poll_every_ms);
}

pad_reader::~pad_reader()
{
    if (!sdl_ready)
        return;
    for (pad& p : pads)
        SDL_GameControllerClose(p.handle);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int pad_reader::pad_count() const
{
    return static_cast<int>(
        std::count_if(pads.begin(), pads.end(), [](const pad& p) { return p.read; }));
}

void pad_reader::poll(long long now_ms)
{
    // A scene that runs a nested event loop must not see a poll inside one.
    if (!sdl_ready || polling)
        return;
    polling = true;
    // Pumping updates every open pad. Pads are found by looking at SDL's
    // device list rather than by its events, which another reader in the
    // same process could have taken from the queue.
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    std::vector<change> changes;
    bool lost = false;
    for (std::size_t i = pads.size(); i-- > 0;) {
        if (!SDL_GameControllerGetAttached(pads[i].handle)) {
            const bool in_use = pads[i].id == pad_in_use;
            lost = close_pad(i, changes) || in_use || lost;
            if (in_use)
                pad_in_use = -1;
        }
    }
    for (pad& p : pads)
        read_pad(p, now_ms, changes);
    open_new_pads();
    for (std::size_t b = 0; b < holders.size(); ++b) {
        if (holders[b] > 0 && repeats(pad_button(b)) && now_ms >= next_repeat[b]) {
            next_repeat[b] = now_ms + repeat_every_ms;
            changes.push_back({pad_button(b), true, true});
        }
    }
    polling = false;

    // Whoever hears these may close the window, and this reader with it.
    QPointer<pad_reader> alive(this);
    for (const change& c : changes) {
        emit button(c.b, c.pressed, c.repeat);
        if (!alive)
            return;
    }
    if (lost)
        emit pad_lost();
}

void pad_reader::open_new_pads()
{
    const int devices = SDL_NumJoysticks();
    for (int index = 0; index < devices; ++index) {
        if (!SDL_IsGameController(index))
            continue;
        const int id = SDL_JoystickGetDeviceInstanceID(index);
        const bool known =
            std::any_of(pads.begin(), pads.end(), [id](const pad& p) { return p.id == id; });
        if (known)
            continue;
        SDL_GameController* handle = SDL_GameControllerOpen(index);
        if (!handle)
            continue;
        pad p;
        p.handle = handle;
        p.id = id;
        p.states.assign(source_count, source_state::blocked);
        pads.push_back(p);
    }
}

bool pad_reader::close_pad(std::size_t index, std::vector<change>& out)
{
    pad& p = pads[index];
    bool held_any = false;
    for (std::size_t s = 0; s < source_count; ++s) {
        if (p.states[s] == source_state::held) {
            held_any = true;
            let_go(sources[s].b, out);
        }
    }
    SDL_GameControllerClose(p.handle);
    pads.erase(pads.begin() + static_cast<std::ptrdiff_t>(index));
    return held_any;
}

void pad_reader::read_pad(pad& p, long long now_ms, std::vector<change>& out)
{
    // Every source of a pad starts blocked: opened after the last poll's
    // pump, the pad is read first after this poll's, and what it holds then
    // was held before it came.
    p.read = true;
    for (std::size_t s = 0; s < source_count; ++s) {
        source_state& state = p.states[s];
        const bool now_pushed = pushed(p.handle, sources[s], state != source_state::idle);
        if (state == source_state::blocked && !now_pushed) {
            state = source_state::idle;
        } else if (state == source_state::idle && now_pushed) {
            state = source_state::held;
            pad_in_use = p.id;
            hold(sources[s].b, now_ms, out);
        } else if (state == source_state::held && !now_pushed) {
            state = source_state::idle;
            let_go(sources[s].b, out);
        }
    }
}

void pad_reader::hold(pad_button b, long long now_ms, std::vector<change>& out)
{
    const auto i = static_cast<std::size_t>(b);
    if (holders[i]++ > 0)
        return;
    next_repeat[i] = now_ms + repeat_delay_ms;
    out.push_back({b, true, false});
}

void pad_reader::let_go(pad_button b, std::vector<change>& out)
{
    const auto i = static_cast<std::size_t>(b);
    if (holders[i] == 0 || --holders[i] > 0)
        return;
    out.push_back({b, false, false});
}

} // namespace input
