#ifndef CRUMBLEFORD_INPUT_BINDINGS_H
#define CRUMBLEFORD_INPUT_BINDINGS_H

// The player's own keys and pad buttons for the playing intents, laid over
// the default table: each intent has its keys and at most one pad button.
// Menus keep the table's keys whatever is bound, and the level's history
// and the simulator's scripts keep writing the table's script keys, so a
// recorded solution replays the same for every player. One set is in force
// for the whole game; the settings file keeps it as "key.jump Up,O,E" and
// "pad.jump south" lines.

#include "input_table.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class settings_store;

namespace input
{

// The intents the controls page lists, in its order.
const std::vector<intent>& bindable_intents();
// Mute and full screen act on every screen, menus too; the others only
// while playing. Only the playing ones can be put on a pad button.
bool acts_everywhere(intent i);
bool pad_bindable(intent i);

// The word a settings line uses ("walk_left") and the one a screen shows
// ("WALK LEFT").
const char* intent_word(intent i);
std::string intent_title(intent i);

// A key's portable name ("Up", "Space", "F11", "Comma"), 0 for a name that
// is no key; and the name as the game's labels can draw it ("UP").
std::string key_name(int key);
int key_named(const std::string& name);
std::string key_label(int key);

// A pad button's settings word ("south") and its name on screen ("A").
const char* pad_word(pad_button b);
std::string pad_label(pad_button b);

class bindings
{
  public:
    // The default table's keys and buttons.
    bindings();

    const std::vector<int>& keys(intent i) const;
    // pad_button::count when the intent has no button.
    pad_button pad(intent i) const;
    // The playing intent a key or a (non-stick) button carries, none if none.
    intent key_intent(int key) const;
    intent pad_intent(pad_button b) const;

    // Gives the intent this one key (or button) in place of its own. Empty
    // when done; otherwise why it was refused, in words a screen shows.
    std::string bind_key(intent i, int key);
    std::string bind_pad(intent i, pad_button b);
    bool is_default(intent i) const;
    bool all_default() const;

    // The settings lines of one intent, and reading them all back: a value
    // that is not a usable binding gives the default, said on stderr.
    std::string keys_value(intent i) const;
    std::string pad_value(intent i) const;
    void read(const settings_store& store);

  private:
    std::string refusal_for_key(intent i, int key) const;

    std::map<intent, std::vector<int>> key_lists;
    std::map<intent, pad_button> pads;
};

// What differs from the table, a short phrase each ("JUMP: W", "DOOR: PAD
// RB"), in the page's order: the help pages list them.
std::vector<std::string> changed_bindings(const bindings& b);

// Writes the lines of every intent whose line differs from `b`'s, so a
// binding or a reset rewrites only what changed; false if a write failed.
bool save_bindings(settings_store& store, const bindings& b);

// The set the game reads keys and buttons through.
const bindings& bindings_in_force();
void use_bindings(const bindings& b);
// Called after every use_bindings (the window moves its full-screen keys).
void on_bindings_changed(std::function<void()> listener);

} // namespace input

#endif
