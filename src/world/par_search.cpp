#include "par_search.h"

#include "bomb.h"
#include "cfg.h"
#include "cloud.h"
#include "data_text.h"
#include "game_scene.h"
#include "placement.h"
#include "replay.h"
#include "stockchar.h"
#include "world_copy.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <fstream>
#include <memory>
#include <ostream>
#include <queue>
#include <sstream>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace
{

constexpr long long m = cfg::multiplier;

// Keys a macro holds, as bits.
enum held_key : unsigned { hold_left = 1, hold_right = 2, hold_up = 4 };

// How far a node has come: waiting, played but not worth expanding for the
// novelty half, or expanded (or dead).
enum node_state : char { waiting = 0, stale = 1, expanded = 2 };

struct node {
    long long parent = -1;
    std::vector<replay_event> events; // this node's macro, after its parent's
    long long tick = 0;               // ticks run; events at tick + 1 are applied
    unsigned held = 0;
    int placements = 0;
    long long score = 0; // its parent's until it is played, then its own
};

replay_event key_event(replay_event::kind_t kind, long long tick, const char* name, int key)
{
    replay_event e;
    e.kind = kind;
    e.tick = tick;
    e.key = key;
    e.key_text = name;
    return e;
}

struct key_name {
    unsigned bit;
    const char* name;
    int key;
};
constexpr key_name held_keys[] = {{hold_left, "Left", Qt::Key_Left},
                                  {hold_right, "Right", Qt::Key_Right},
                                  {hold_up, "Up", Qt::Key_Up}};

// The presses and releases that turn the held keys `from` into `to`.
void change_keys(std::vector<replay_event>& out, long long tick, unsigned from, unsigned to)
{
    for (const key_name& k : held_keys) {
        if ((from & k.bit) && !(to & k.bit))
            out.push_back(key_event(replay_event::release, tick, k.name, k.key));
        else if (!(from & k.bit) && (to & k.bit))
            out.push_back(key_event(replay_event::press, tick, k.name, k.key));
    }
}

long long cell_of(long long units)
{
    // Floor to half cells: a cell-sized difference is a different state.
    const long long half = m / 2;
    return units >= 0 ? units / half : -((-units + half - 1) / half);
}

// A coarse fingerprint of everything that decides what can still happen.
std::uint64_t signature(game_scene& scene, const node& n)
{
    std::uint64_t h = 1469598103934665603ULL;
    auto mix = [&h](long long v) {
        h ^= static_cast<std::uint64_t>(v);
        h *= 1099511628211ULL;
    };
    mix(static_cast<long long>(scene.characters.size()));
    mix(scene.focused);
    mix(n.placements);
    for (const stockchar* c : scene.characters) {
        mix(cell_of(c->x));
        mix(cell_of(c->y));
        mix(c->vy > 0 ? 1 : c->vy < 0 ? 2 : 0);
        for (const stock_slot* s : c->stock_slots)
            mix(s ? s->count : -1);
    }
    for (int c = 0; c < 4; ++c) {
        for (const stockblock* b : scene.clouds[c]) {
            mix(cell_of(b->x));
            mix(cell_of(b->y));
            mix(static_cast<const cloud*>(b)->dir);
        }
        for (const stockblock* b : scene.fallings[c]) {
            mix(cell_of(b->x));
            mix(cell_of(b->y));
        }
    }
    for (const stockblock* b : scene.bombs) {
        mix(cell_of(b->x));
        mix(cell_of(b->y));
    }
    for (size_t c = 0; c < scene.grid.size(); ++c)
        for (size_t r = 0; r < scene.grid[c].size(); ++r)
            if (const stockblock* b = scene.grid[c][r])
                mix(static_cast<long long>((c * 4096 + r) * 64 + b->type * 8 + b->color_index));
    return h;
}

// The facts a state makes true, for the novelty half of the search: where
// each character is (to half a cell), with how much spent and how many out.
std::vector<std::uint64_t> atoms(game_scene& scene, const node& n)
{
    std::vector<std::uint64_t> out;
    const std::uint64_t common = static_cast<std::uint64_t>(n.placements) * 64 +
                                 static_cast<std::uint64_t>(scene.characters.size());
    for (size_t i = 0; i < scene.characters.size(); ++i) {
        const stockchar* c = scene.characters[i];
        const std::uint64_t at = static_cast<std::uint64_t>(cell_of(c->x) + 1024) * 4096 +
                                 static_cast<std::uint64_t>(cell_of(c->y) + 1024);
        out.push_back(((common * 64 + c->color_index) * 16777216 + at) * 2 +
                      (i == scene.focused ? 1 : 0));
    }
    // Moving things count too, so that waiting for a cloud is not stale.
    std::uint64_t kind = 1;
    auto object = [&](const stockblock* b, std::uint64_t nth) {
        const std::uint64_t at = static_cast<std::uint64_t>(cell_of(b->x) + 1024) * 4096 +
                                 static_cast<std::uint64_t>(cell_of(b->y) + 1024);
        out.push_back((((common * 8 + kind) * 64 + nth) * 16777216 + at) * 2 + 1);
    };
    for (int c = 0; c < 4; ++c) {
        std::uint64_t nth = 0;
        for (const stockblock* b : scene.clouds[c])
            object(b, c * 16 + nth++);
    }
    kind = 2;
    for (int c = 0; c < 4; ++c) {
        std::uint64_t nth = 0;
        for (const stockblock* b : scene.fallings[c])
            object(b, c * 16 + nth++);
    }
    return out;
}

// Higher is closer to a pass: every character gone through an exit counts
// far more than the cells the others still have to go, climbing dearer
// than walking or falling.
long long progress(game_scene& scene, size_t characters_at_start)
{
    long long score = 1000 * static_cast<long long>(characters_at_start - scene.characters.size());
    for (const stockchar* c : scene.characters) {
        long long best = -1;
        for (int colour = 0; colour < 4; ++colour) {
            // White exits let everyone out; the white character uses any.
            if (colour != 0 && c->color_index != 0 && colour != c->color_index)
                continue;
            for (const stockblock* e : scene.exits[colour]) {
                const long long dx = (e->x + e->size / 2) - (c->x + c->size / 2);
                const long long dy = (e->y + e->size / 2) - (c->y + c->size / 2);
                const long long d = std::abs(dx) + (dy < 0 ? -2 * dy : dy);
                if (best < 0 || d < best)
                    best = d;
            }
        }
        if (best >= 0)
            score -= 10 * best / m;
    }
    return score;
}

class searcher
{
  public:
    searcher(const std::string& level_path, int par, const par_budget& budget)
        : level_path(level_path), par(par), budget(budget)
    {
    }

    par_result run();

  private:
    // Plays the node's events from the level file; the scene is null when
    // the node failed or never loaded.
    std::unique_ptr<game_scene> play(long long index, replay_outcome& outcome);
    void keep(long long index, std::unique_ptr<game_scene> scene);
    void expand(long long index, game_scene& scene);
    void push(node child, long long score);
    std::string script_of(long long index) const;

    const std::string level_path;
    const int par;
    const par_budget budget;
    std::vector<node> nodes;
    struct queued {
        long long score;
        long long index;
        bool operator<(const queued& o) const
        {
            // Best score first; among equals, the earliest pushed.
            return score != o.score ? score < o.score : index > o.index;
        }
    };
    struct by_ticks {
        long long tick;
        long long index;
        bool operator<(const by_ticks& o) const
        {
            return tick != o.tick ? tick > o.tick : index > o.index;
        }
    };
    // Two halves, taken in turn: the greedy one follows the score, the
    // novelty one plays states in order of time and expands only those that
    // put a character somewhere new, so a wrong score cannot trap the search.
    std::priority_queue<queued> open;
    std::priority_queue<by_ticks> fresh;
    std::vector<char> played;
    std::unordered_set<std::uint64_t> seen;
    std::unordered_set<std::uint64_t> atoms_seen;
    // The worlds of nodes lately expanded, which their children copy.
    std::unordered_map<long long, std::unique_ptr<game_scene>> worlds;
    std::deque<long long> kept_order;
    size_t characters_at_start = 0;
    par_result result;
};

std::unique_ptr<game_scene> searcher::play(long long index, replay_outcome& outcome)
{
    outcome = replay_outcome::running;
    // A child of a node whose world is kept starts from a copy of it; any
    // other node is played from the level file.
    const node& target = nodes[static_cast<size_t>(index)];
    std::unique_ptr<game_scene> scene;
    std::vector<const replay_event*> events;
    long long first_tick = 1;
    if (auto kept = worlds.find(target.parent); kept != worlds.end())
        scene = copy_world(*kept->second);
    if (scene) {
        first_tick = nodes[static_cast<size_t>(target.parent)].tick + 1;
        for (const replay_event& e : target.events)
            events.push_back(&e);
    } else {
        std::vector<const node*> path;
        for (long long i = index; i >= 0; i = nodes[static_cast<size_t>(i)].parent)
            path.push_back(&nodes[static_cast<size_t>(i)]);
        for (auto it = path.rbegin(); it != path.rend(); ++it)
            for (const replay_event& e : (*it)->events)
                events.push_back(&e);
        scene = std::make_unique<game_scene>();
        // A search loads thousands of times; none is worth a line.
        std::ostream quiet(nullptr);
        if (!scene->load_from_file(level_path, quiet))
            return nullptr;
    }

    std::ostream discard(nullptr);
    size_t next = 0;
    for (long long t = first_tick; t <= target.tick + 1; ++t) {
        for (; next < events.size() && events[next]->tick == t; ++next)
            apply_replay_event(*scene, *events[next], discard);
        if (t == target.tick + 1)
            break;
        scene->tick();
        ++result.ticks_played;
        if (scene->handled_failed) {
            outcome = replay_outcome::failed;
            return nullptr;
        }
        if (scene->handled_passed) {
            outcome = replay_outcome::passed;
            return scene;
        }
    }
    return scene;
}

void searcher::keep(long long index, std::unique_ptr<game_scene> scene)
{
    // Worlds are kept first in, first out, within a memory bound.
    constexpr size_t most = 1500;
    if (worlds.size() >= most) {
        worlds.erase(kept_order.front());
        kept_order.pop_front();
    }
    worlds.emplace(index, std::move(scene));
    kept_order.push_back(index);
}

void searcher::push(node child, long long score)
{
    child.score = score;
    const long long tick = child.tick;
    nodes.push_back(std::move(child));
    played.push_back(0);
    const long long index = static_cast<long long>(nodes.size()) - 1;
    open.push({score, index});
    fresh.push({tick, index});
}

void searcher::expand(long long index, game_scene& scene)
{
    const node parent = nodes[static_cast<size_t>(index)];
    const long long at = parent.tick + 1;
    auto child = [&]() {
        node n;
        n.parent = index;
        n.tick = parent.tick;
        n.held = parent.held;
        n.placements = parent.placements;
        return n;
    };
    // Moves: hold a set of keys for a while. A macro may end in mid-air,
    // where the next one (or a placement) takes over.
    static const unsigned steering[] = {0, hold_left, hold_right};
    static const long long durations[] = {2, 4, 10, 24};
    for (unsigned steer : steering) {
        for (unsigned jump : {0u, unsigned(hold_up)}) {
            for (long long d : durations) {
                node n = child();
                unsigned keys = steer | jump;
                // A jump is a fresh press of Up.
                if ((jump & parent.held) != 0)
                    n.events.push_back(key_event(replay_event::release, at, "Up", Qt::Key_Up));
                change_keys(n.events, at, parent.held & ~(jump & parent.held), keys);
                n.held = keys;
                n.tick += d;
                push(std::move(n), parent.score);
            }
        }
    }
    if (scene.characters.size() > 1) {
        node n = child();
        n.events.push_back(key_event(replay_event::press, at, "C", Qt::Key_C));
        n.events.push_back(key_event(replay_event::release, at, "C", Qt::Key_C));
        n.tick += 1;
        push(std::move(n), parent.score);
    }
    // A door is worth trying only where the character stands in one.
    stockchar* ch = scene.focused_char();
    if (ch && !ch->colliding_blocks(ch->x, ch->y, ch->x, ch->y, cfg::exit).empty()) {
        node n = child();
        change_keys(n.events, at, parent.held, 0);
        n.held = 0;
        n.events.push_back(key_event(replay_event::press, at, "Space", Qt::Key_Space));
        n.events.push_back(key_event(replay_event::release, at + 1, "Space", Qt::Key_Space));
        n.tick += 2;
        push(std::move(n), parent.score);
    }
    if (parent.placements + 1 >= par || !ch)
        return;
    const long long first_column = ch->x / m - 3, first_row = ch->y / m - 3;
    for (unsigned slot = 0; slot < 3; ++slot) {
        const stock_slot* s = ch->stock_slots[slot];
        if (!s || s->type == 0 || s->count == 0)
            continue;
        const bool steered = s->type == cfg::cloud;
        static const unsigned char ways[] = {cfg::l, cfg::p, cfg::g, cfg::d};
        for (long long c = first_column; c <= first_column + 7; ++c) {
            for (long long r = first_row; r <= first_row + 7; ++r) {
                for (unsigned char way : ways) {
                    if (!place_from_stock(&scene, slot, c, r, way, false))
                        break;
                    node n = child();
                    n.events.push_back(replay_event::placement(at, slot, c, r, way));
                    ++n.placements;
                    push(std::move(n), parent.score);
                    if (!steered)
                        break;
                }
            }
        }
    }
}

std::string searcher::script_of(long long index) const
{
    std::vector<const node*> path;
    for (long long i = index; i >= 0; i = nodes[static_cast<size_t>(i)].parent)
        path.push_back(&nodes[static_cast<size_t>(i)]);
    std::ostringstream out;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        for (const replay_event& e : (*it)->events) {
            out << e.tick << ' ';
            switch (e.kind) {
            case replay_event::press:
            case replay_event::release:
                out << (e.kind == replay_event::press ? "press " : "release ") << e.key_text;
                break;
            case replay_event::place: {
                const char* way = e.direction == cfg::l   ? "left"
                                  : e.direction == cfg::p ? "right"
                                  : e.direction == cfg::g ? "up"
                                                          : "down";
                out << "place " << e.slot << ' ' << e.column << ' ' << e.row << ' ' << way;
                break;
            }
            case replay_event::rewind:
                out << "rewind " << e.back;
                break;
            }
            out << '\n';
        }
    }
    return out.str();
}

par_result searcher::run()
{
    if (par <= 0)
        return result;
    nodes.reserve(1 << 16);
    nodes.push_back(node{});
    played.push_back(0);
    open.push({0, 0});
    for (bool greedy = true; result.evaluations < budget.evaluations; greedy = !greedy) {
        if (open.empty() && fresh.empty())
            break;
        if (greedy ? open.empty() : fresh.empty())
            continue;
        long long index;
        if (greedy) {
            index = open.top().index;
            open.pop();
        } else {
            index = fresh.top().index;
            fresh.pop();
        }
        // A node the novelty half found stale may still be expanded by the
        // greedy half; an expanded (or dead) one is done with.
        char& state = played[static_cast<size_t>(index)];
        if (state == expanded || (!greedy && state == stale))
            continue;
        state = expanded;
        ++result.evaluations;
        replay_outcome outcome;
        std::unique_ptr<game_scene> scene = play(index, outcome);
        if (outcome == replay_outcome::passed) {
            result.found = true;
            result.placements = nodes[static_cast<size_t>(index)].placements;
            result.script = script_of(index);
            break;
        }
        if (!scene)
            continue;
        if (index == 0)
            characters_at_start = scene->characters.size();
        bool novel = false;
        for (std::uint64_t a : atoms(*scene, nodes[static_cast<size_t>(index)]))
            novel = atoms_seen.insert(a).second || novel;
        if (!greedy && !novel) {
            state = stale;
            continue;
        }
        if (!seen.insert(signature(*scene, nodes[static_cast<size_t>(index)])).second)
            continue;
        node& n = nodes[static_cast<size_t>(index)];
        n.score = progress(*scene, characters_at_start) * 1000 - n.tick;
        if (n.tick < budget.max_ticks) {
            expand(index, *scene);
            keep(index, std::move(scene));
        }
    }
    result.distinct = static_cast<long long>(seen.size());
    return result;
}

} // namespace

int read_par(const std::string& level_path)
{
    std::ifstream in(level_path);
    for (std::string line; std::getline(in, line);) {
        const std::string key = "# par:";
        if (line.compare(0, key.size(), key) != 0)
            continue;
        long long value = 0;
        std::istringstream words(line.substr(key.size()));
        std::string word;
        if (words >> word && data_text::read_integer(word, value) && value >= 0 && value < 1000)
            return static_cast<int>(value);
        return -1;
    }
    return -1;
}

par_result search_cheaper_pass(const std::string& level_path, int par, const par_budget& budget)
{
    return searcher(level_path, par, budget).run();
}
