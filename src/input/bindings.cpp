#include "bindings.h"

#include "catalogue.h"
#include "settings_store.h"

#include <QKeySequence>
#include <algorithm>
#include <cctype>
#include <iostream>
#include <sstream>

namespace input
{

namespace
{

using i = intent;

struct intent_names {
    intent in;
    const char* word;
    const char* title;
};

const intent_names intent_rows[] = {
    {i::walk_left, "walk_left", CF_TR_NOOP("keys", "WALK LEFT")},
    {i::walk_right, "walk_right", CF_TR_NOOP("keys", "WALK RIGHT")},
    {i::jump, "jump", CF_TR_NOOP("keys", "JUMP")},
    {i::hold_down, "hold_down", CF_TR_NOOP("keys", "HOLD DOWN")},
    {i::door, "door", CF_TR_NOOP("keys", "DOOR")},
    {i::switch_character, "switch_character", CF_TR_NOOP("keys", "SWITCH CHARACTER")},
    {i::drawing_mode, "drawing_mode", CF_TR_NOOP("keys", "DRAWING MODE")},
    {i::pause, "pause", CF_TR_NOOP("keys", "PAUSE")},
    {i::rewind, "rewind", CF_TR_NOOP("keys", "REWIND")},
    {i::zoom_in, "zoom_in", CF_TR_NOOP("keys", "ZOOM IN")},
    {i::zoom_out, "zoom_out", CF_TR_NOOP("keys", "ZOOM OUT")},
    {i::steer, "steer", CF_TR_NOOP("keys", "STEER")},
    {i::scroll, "scroll", CF_TR_NOOP("keys", "SCROLL")},
    {i::mute, "mute", CF_TR_NOOP("keys", "MUTE")},
    {i::full_screen, "full_screen", CF_TR_NOOP("keys", "FULL SCREEN")},
};

const char* const pad_words[] = {
    "south",   "east",          "west",           "north",        "back",
    "start",   "left_shoulder", "right_shoulder", "left_trigger", "right_trigger",
    "dpad_up", "dpad_down",     "dpad_left",      "dpad_right",
};
// Named by position as the help's pad page names them.
// The letters are printed on the buttons and stay as they are.
const char* const pad_labels[] = {
    "A",
    "B",
    "X",
    "Y",
    CF_TR_NOOP("keys", "BACK"),
    CF_TR_NOOP("keys", "START"),
    "LB",
    "RB",
    "LT",
    "RT",
    CF_TR_NOOP("keys", "D-PAD UP"),
    CF_TR_NOOP("keys", "D-PAD DOWN"),
    CF_TR_NOOP("keys", "D-PAD LEFT"),
    CF_TR_NOOP("keys", "D-PAD RIGHT"),
};
constexpr int pad_bindable_buttons = static_cast<int>(pad_button::scroll_up);
static_assert(sizeof pad_words / sizeof pad_words[0] == pad_bindable_buttons, "a word a button");
static_assert(sizeof pad_labels / sizeof pad_labels[0] == pad_bindable_buttons, "a label a button");

// What a menu cannot do without: moving, choosing and going back.
const intent menu_needs[] = {i::up, i::down, i::left, i::right, i::confirm, i::back};

// Labels draw letters, digits, space, '/', ':' and '-'; the other signs a
// key may carry are spelled out.
const struct {
    char sign;
    const char* word;
} sign_words[] = {
    {',', CF_TR_NOOP("keys", "COMMA")},      {'.', CF_TR_NOOP("keys", "PERIOD")},
    {';', CF_TR_NOOP("keys", "SEMICOLON")},  {'\'', CF_TR_NOOP("keys", "QUOTE")},
    {'[', CF_TR_NOOP("keys", "BRACKET")},    {']', CF_TR_NOOP("keys", "BRACKET")},
    {'\\', CF_TR_NOOP("keys", "BACKSLASH")}, {'=', CF_TR_NOOP("keys", "EQUALS")},
    {'`', CF_TR_NOOP("keys", "GRAVE")},      {'+', CF_TR_NOOP("keys", "PLUS")},
    {'*', CF_TR_NOOP("keys", "STAR")},       {'#', CF_TR_NOOP("keys", "HASH")},
};

// Keys whose names a player reads in their own language; the others (letters,
// digits, F1...) read the same everywhere.
const char* const named_keys[] = {
    CF_TR_NOOP("keys", "SPACE"),  CF_TR_NOOP("keys", "UP"),    CF_TR_NOOP("keys", "DOWN"),
    CF_TR_NOOP("keys", "LEFT"),   CF_TR_NOOP("keys", "RIGHT"), CF_TR_NOOP("keys", "RETURN"),
    CF_TR_NOOP("keys", "ENTER"),  CF_TR_NOOP("keys", "ESC"),   CF_TR_NOOP("keys", "BACKSPACE"),
    CF_TR_NOOP("keys", "TAB"),    CF_TR_NOOP("keys", "DEL"),   CF_TR_NOOP("keys", "INS"),
    CF_TR_NOOP("keys", "HOME"),   CF_TR_NOOP("keys", "END"),   CF_TR_NOOP("keys", "PGUP"),
    CF_TR_NOOP("keys", "PGDOWN"), CF_TR_NOOP("keys", "SHIFT"), CF_TR_NOOP("keys", "CTRL"),
    CF_TR_NOOP("keys", "ALT"),    CF_TR_NOOP("keys", "MENU"),  CF_TR_NOOP("keys", "PAUSE"),
    CF_TR_NOOP("keys", "PRINT"),
};

bindings& current()
{
    static bindings in_force;
    return in_force;
}

std::function<void()>& listener()
{
    static std::function<void()> f;
    return f;
}

const std::vector<int> no_keys;

} // namespace

const std::vector<intent>& bindable_intents()
{
    static const std::vector<intent> list = [] {
        std::vector<intent> l;
        for (const intent_names& row : intent_rows)
            l.push_back(row.in);
        return l;
    }();
    return list;
}

bool acts_everywhere(intent in)
{
    return in == i::mute || in == i::full_screen;
}

bool pad_bindable(intent in)
{
    const auto& all = bindable_intents();
    return !acts_everywhere(in) && std::find(all.begin(), all.end(), in) != all.end();
}

const char* intent_word(intent in)
{
    for (const intent_names& row : intent_rows)
        if (row.in == in)
            return row.word;
    return "";
}

std::string intent_title(intent in)
{
    for (const intent_names& row : intent_rows)
        if (row.in == in)
            return cf_tr("keys", row.title);
    return "";
}

// A comma would split a settings line's list: that key has a word.
std::string key_name(int key)
{
    if (key == Qt::Key_Comma)
        return "Comma";
    if (key <= 0 || key == Qt::Key_unknown)
        return "";
    return QKeySequence(key).toString(QKeySequence::PortableText).toStdString();
}

int key_named(const std::string& name)
{
    if (name == "Comma")
        return Qt::Key_Comma;
    // A settings value is one word: a list of names with no space in it.
    if (name.empty() || name.find_first_of(", ") != std::string::npos)
        return 0;
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
    // One key, no modifier held with it: what a key event's key() gives.
    if (sequence.count() != 1 || sequence[0].keyboardModifiers() != Qt::NoModifier)
        return 0;
    const int key = sequence[0].key();
    return key_name(key) == name ? key : 0;
}

std::string key_label(int key)
{
    std::string label;
    for (char c : key_name(key)) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == ' ' || c == '/' || c == ':' || c == '-') {
            label += static_cast<char>(std::toupper(u));
            continue;
        }
        for (const auto& s : sign_words)
            if (s.sign == c)
                label += cf_tr("keys", s.word);
    }
    for (const char* word : named_keys)
        if (label == word)
            return cf_tr("keys", word);
    return label.empty() ? cf_tr("keys", "KEY") : label;
}

const char* pad_word(pad_button b)
{
    const int index = static_cast<int>(b);
    return index < pad_bindable_buttons ? pad_words[index] : "none";
}

std::string pad_label(pad_button b)
{
    const int index = static_cast<int>(b);
    return index < pad_bindable_buttons ? cf_tr("keys", pad_labels[index]) : "-";
}

bindings::bindings()
{
    for (intent in : bindable_intents()) {
        key_lists[in] = table_keys_for(in);
        pads[in] = pad_button::count;
    }
    for (int b = 0; b < pad_bindable_buttons; ++b) {
        const intent in = table_pad_meaning(static_cast<pad_button>(b)).play;
        if (pad_bindable(in))
            pads[in] = static_cast<pad_button>(b);
    }
}

const std::vector<int>& bindings::keys(intent in) const
{
    const auto it = key_lists.find(in);
    return it == key_lists.end() ? no_keys : it->second;
}

pad_button bindings::pad(intent in) const
{
    const auto it = pads.find(in);
    return it == pads.end() ? pad_button::count : it->second;
}

intent bindings::key_intent(int key) const
{
    for (const auto& [in, keys] : key_lists)
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            return in;
    return intent::none;
}

intent bindings::pad_intent(pad_button b) const
{
    for (const auto& [in, button] : pads)
        if (button == b)
            return in;
    return intent::none;
}

std::string bindings::refusal_for_key(intent in, int key) const
{
    if (key_named(key_name(key)) != key)
        return cf_tr("controls", "THIS KEY CANNOT BE USED");
    const intent holder = key_intent(key);
    if (holder != intent::none && holder != in)
        return lang::fill(cf_tr("controls", "ALREADY USED BY %1"), {intent_title(holder)});
    if (!acts_everywhere(in))
        return "";
    // A key that mutes or turns the window does so in menus too: it must
    // not be the last key that moves, chooses or goes back there, nor in
    // the editor. The intent's own keys are given up for the new one.
    for (bool editor : {false, true})
        for (intent need : menu_needs) {
            bool kept = false;
            for (int other : table_keys()) {
                const meaning m = table_key_meaning(other);
                intent taker = other == key ? in : key_intent(other);
                if (taker == in && other != key)
                    taker = intent::none;
                if ((editor ? m.edit : m.menu) == need && !acts_everywhere(taker))
                    kept = true;
            }
            if (!kept)
                return cf_tr("controls", "NEEDED IN MENUS");
        }
    return "";
}

std::string bindings::bind_key(intent in, int key)
{
    if (key_lists.find(in) == key_lists.end())
        return cf_tr("controls", "THIS CANNOT BE BOUND");
    std::string why = refusal_for_key(in, key);
    if (why.empty())
        key_lists[in] = {key};
    return why;
}

std::string bindings::bind_pad(intent in, pad_button b)
{
    if (!pad_bindable(in) || static_cast<int>(b) >= pad_bindable_buttons)
        return cf_tr("controls", "THIS CANNOT BE BOUND");
    const intent holder = pad_intent(b);
    if (holder != intent::none && holder != in)
        return lang::fill(cf_tr("controls", "ALREADY USED BY %1"), {intent_title(holder)});
    pads[in] = b;
    return "";
}

bool bindings::is_default(intent in) const
{
    static const bindings table;
    return keys(in) == table.keys(in) && pad(in) == table.pad(in);
}

bool bindings::all_default() const
{
    for (intent in : bindable_intents())
        if (!is_default(in))
            return false;
    return true;
}

std::string bindings::keys_value(intent in) const
{
    std::string value;
    for (int key : keys(in))
        value += (value.empty() ? "" : ",") + key_name(key);
    return value;
}

std::string bindings::pad_value(intent in) const
{
    return pad_word(pad(in));
}

void bindings::read(const settings_store& store)
{
    const bindings table;
    // Each intent is bound as if the player bound it now, in the page's
    // order: a value that names no key, or a key taken already, is refused
    // and the intent keeps its default keys (less any taken since).
    for (auto& entry : key_lists)
        entry.second.clear();
    for (intent in : bindable_intents()) {
        const std::string setting = std::string("key.") + intent_word(in);
        const std::string value = store.get(setting, table.keys_value(in));
        std::vector<int> wanted;
        std::string why;
        std::istringstream names(value);
        for (std::string name; std::getline(names, name, ',');) {
            const int key = key_named(name);
            if (!key) {
                why = "\"" + name + "\" is not a key";
                break;
            }
            const std::string refusal = refusal_for_key(in, key);
            if (!refusal.empty()) {
                why = name + ": " + refusal;
                break;
            }
            wanted.push_back(key);
        }
        if (wanted.empty() && why.empty())
            why = "no key";
        if (why.empty()) {
            key_lists[in] = wanted;
            key_lists[in].erase(std::unique(key_lists[in].begin(), key_lists[in].end()),
                                key_lists[in].end());
            continue;
        }
        key_lists[in].clear();
        for (int key : table.keys(in))
            if (key_intent(key) == intent::none)
                key_lists[in].push_back(key);
        std::cerr << "settings: " << setting << " " << value << ": " << why << "; the default "
                  << keys_value(in) << " is used" << std::endl;
    }
    for (auto& entry : pads)
        entry.second = pad_button::count;
    for (intent in : bindable_intents()) {
        if (!pad_bindable(in))
            continue;
        const std::string setting = std::string("pad.") + intent_word(in);
        const std::string value = store.get(setting, table.pad_value(in));
        if (value == "none")
            continue;
        int b = 0;
        while (b < pad_bindable_buttons && value != pad_words[b])
            ++b;
        const std::string why = b == pad_bindable_buttons
                                    ? "not a pad button"
                                    : bind_pad(in, static_cast<pad_button>(b));
        if (why.empty())
            continue;
        const pad_button fallback = table.pad(in);
        if (fallback != pad_button::count && pad_intent(fallback) == intent::none)
            pads[in] = fallback;
        std::cerr << "settings: " << setting << " " << value << ": " << why << "; the default "
                  << pad_value(in) << " is used" << std::endl;
    }
}

std::vector<std::string> changed_bindings(const bindings& b)
{
    const bindings table;
    std::vector<std::string> words;
    for (intent in : bindable_intents()) {
        if (b.keys(in) != table.keys(in)) {
            std::string keys;
            for (int key : b.keys(in))
                keys += (keys.empty() ? "" : "/") + key_label(key);
            words.push_back(intent_title(in) + ": " + (keys.empty() ? "-" : keys));
        }
        if (b.pad(in) != table.pad(in))
            words.push_back(
                lang::fill(cf_tr("keys", "%1: PAD %2"), {intent_title(in), pad_label(b.pad(in))}));
    }
    return words;
}

bool save_bindings(settings_store& store, const bindings& b)
{
    const bindings table;
    bool saved = true;
    for (intent in : bindable_intents()) {
        const std::string key_setting = std::string("key.") + intent_word(in);
        if (store.get(key_setting, table.keys_value(in)) != b.keys_value(in))
            saved = store.set(key_setting, b.keys_value(in)) && saved;
        if (!pad_bindable(in))
            continue;
        const std::string pad_setting = std::string("pad.") + intent_word(in);
        if (store.get(pad_setting, table.pad_value(in)) != b.pad_value(in))
            saved = store.set(pad_setting, b.pad_value(in)) && saved;
    }
    return saved;
}

const bindings& bindings_in_force()
{
    return current();
}

void use_bindings(const bindings& b)
{
    current() = b;
    if (listener())
        listener()();
}

void on_bindings_changed(std::function<void()> f)
{
    listener() = std::move(f);
}

} // namespace input
