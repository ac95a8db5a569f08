#include "attempt_record.h"

#include "cfg.h"
#include "data_text.h"
#include "input_table.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <istream>
#include <locale>
#include <sstream>

namespace
{

// A record names its files on one line: no line breaks in them.
bool one_line(const std::string& s)
{
    return !s.empty() && s.find_first_of("\r\n") == std::string::npos;
}

std::vector<std::string> words_of(const std::string& line)
{
    std::istringstream in(line);
    in.imbue(std::locale::classic());
    std::vector<std::string> w;
    for (std::string s; in >> s;)
        w.push_back(s);
    return w;
}

// The rest of a line after its first word and one blank, for names.
std::string rest_after(const std::string& line, const std::string& word)
{
    if (line.compare(0, word.size() + 1, word + " ") != 0)
        return "";
    return line.substr(word.size() + 1);
}

// The file names each playing intent by its first key in the game's own
// table, so that keys the player rebinds later replay the same moves.
const struct {
    input::intent play;
    int key;
} written_keys[] = {
    {input::intent::walk_left, Qt::Key_Left}, {input::intent::walk_right, Qt::Key_Right},
    {input::intent::jump, Qt::Key_Up},        {input::intent::hold_down, Qt::Key_Down},
    {input::intent::door, Qt::Key_Space},     {input::intent::switch_character, Qt::Key_C}};

int written_key(int key)
{
    const input::intent play = input::key_meaning(key).play;
    for (const auto& k : written_keys)
        if (k.play == play)
            return k.key;
    return key;
}

// 0 when the key stands for no intent an attempt records.
int key_in_force(int written)
{
    for (const auto& k : written_keys)
        if (k.key == written)
            return input::script_key(k.play);
    return 0;
}

} // namespace

std::string attempt_record::fingerprint_of(const std::string& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(h));
    return text;
}

std::string attempt_record::fingerprint_of_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "";
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return fingerprint_of(bytes.str());
}

bool attempt_record::shipped() const
{
    return level_path == cfg::levels_directory + level_name + cfg::level_suffix;
}

std::string attempt_record::text() const
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << header << '\n';
    out << "level " << level_name << '\n';
    out << "file " << level_path << '\n';
    out << "fingerprint " << fingerprint << '\n';
    out << "start " << static_cast<int>(way.first_tick_counter) << '\n';
    const long long played = static_cast<long long>(way.world_moved.size());
    out << "moment " << played << ' ' << way.world_ticks() << '\n';
    out << "rewound " << (rewound ? "yes" : "no") << '\n';
    // Inputs and stops in played-tick order, a stop after the inputs that
    // come before its first tick.
    std::size_t next = 0;
    long long t = 1;
    auto inputs_up_to = [&](long long tick) {
        for (; next < way.inputs.size() && way.inputs[next].tick <= tick; ++next) {
            replay_event e = way.inputs[next];
            if (e.kind == replay_event::press || e.kind == replay_event::release)
                e.key = written_key(e.key);
            out << replay_line(e);
            if (next < way.carried.size() && way.carried[next])
                out << " held";
            out << '\n';
        }
    };
    while (t <= played) {
        if (way.world_moved[static_cast<std::size_t>(t - 1)]) {
            ++t;
            continue;
        }
        long long n = 0;
        while (t + n <= played && !way.world_moved[static_cast<std::size_t>(t + n - 1)])
            ++n;
        inputs_up_to(t);
        out << "stop " << t << ' ' << n << '\n';
        t += n;
    }
    inputs_up_to(played);
    out << "end\n";
    return out.str();
}

bool attempt_record::read(std::istream& in, std::string& why)
{
    *this = attempt_record();
    std::string line;
    long long number = 0;
    auto fail = [&](const std::string& what) {
        why = "line " + std::to_string(number) + ": " + what;
        return false;
    };
    auto next_line = [&]() {
        if (!std::getline(in, line))
            return false;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        return true;
    };
    if (!next_line() || line != header)
        return fail("not an attempt of this version");
    if (!next_line() || !one_line(level_name = rest_after(line, "level")))
        return fail("expected the level's name");
    if (!next_line() || !one_line(level_path = rest_after(line, "file")))
        return fail("expected the level's file");
    if (!next_line())
        return fail("expected the level's fingerprint");
    std::vector<std::string> w = words_of(line);
    if (w.size() != 2 || w[0] != "fingerprint" || w[1].size() != 16 ||
        w[1].find_first_not_of("0123456789abcdef") != std::string::npos)
        return fail("expected the level's fingerprint");
    fingerprint = w[1];
    long long start = 0, played = 0, world = 0;
    if (!next_line() || (w = words_of(line)).size() != 2 || w[0] != "start" ||
        !data_text::read_integer(w[1], start) || start < 0 || start > 255)
        return fail("expected the tick counter it started at");
    way.first_tick_counter = static_cast<unsigned char>(start);
    // A moment is at most a few days of play: a bigger one is damage, and
    // must not make us reserve the memory.
    constexpr long long most_ticks = 30LL * 60 * 60 * 24 * 7;
    if (!next_line() || (w = words_of(line)).size() != 3 || w[0] != "moment" ||
        !data_text::read_integer(w[1], played) || !data_text::read_integer(w[2], world) ||
        played < 0 || played > most_ticks || world < 0 || world > played)
        return fail("expected the moment reached");
    if (!next_line() || (w = words_of(line)).size() != 2 || w[0] != "rewound" ||
        (w[1] != "yes" && w[1] != "no"))
        return fail("expected whether it was rewound");
    rewound = w[1] == "yes";
    way.world_moved.assign(static_cast<std::size_t>(played), true);
    long long last_tick = 1;
    long long stopped_to = 0; // stops cover ticks up to here
    while (next_line()) {
        w = words_of(line);
        if (w.size() == 1 && w[0] == "end") {
            if (way.world_ticks() != world)
                return fail("the world ticks do not add up");
            if (next_line())
                return fail("text after the end");
            return true;
        }
        if (w.size() == 3 && w[0] == "stop") {
            long long t = 0, n = 0;
            if (!data_text::read_integer(w[1], t) || !data_text::read_integer(w[2], n) ||
                t <= stopped_to || t < last_tick || n < 1 || n > played || t > played - n + 1)
                return fail("a stop out of order or beyond the moment");
            for (long long i = t; i < t + n; ++i)
                way.world_moved[static_cast<std::size_t>(i - 1)] = false;
            stopped_to = t + n - 1;
            last_tick = t;
            continue;
        }
        bool held = false;
        if (!w.empty() && w.back() == "held") {
            held = true;
            w.pop_back();
        }
        replay_event e;
        std::string wrong;
        if (!parse_replay_line(w, e, wrong))
            return fail(wrong);
        if (e.kind == replay_event::rewind || e.tick < last_tick || e.tick > played)
            return fail("an input out of order or beyond the moment");
        if (e.kind == replay_event::press || e.kind == replay_event::release) {
            e.key = key_in_force(e.key);
            if (!e.key)
                return fail("a key that moves nothing");
        }
        last_tick = e.tick;
        way.inputs.push_back(e);
        way.carried.push_back(held);
    }
    return fail("it ends before its end");
}
