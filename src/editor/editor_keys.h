#ifndef CRUMBLEFORD_EDITOR_EDITOR_KEYS_H
#define CRUMBLEFORD_EDITOR_EDITOR_KEYS_H

// The editor's keyboard and pad: the letter, Ctrl and Shift shortcuts and
// typed names come from key events; everything else arrives as the key
// table's editor intent, from a key or a pad button alike, and becomes an
// editing step, a prompt's answer or a step in the editor's menu.

#include "input_table.h"

class QKeyEvent;
class editor_scene;

class editor_keys
{
  public:
    static void key_press(editor_scene& e, QKeyEvent* key);
    // A pressed intent; true when the editor took it.
    static bool intent(editor_scene& e, input::intent in, bool repeat);

  private:
    static bool prompt_intent(editor_scene& e, input::intent in);
    static bool name_intent(editor_scene& e, input::intent in);
    // A question's answer: 0 the left one (leave, try anyway), 1 the right one.
    static void answer(editor_scene& e, int choice);
};

#endif
