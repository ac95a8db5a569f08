#ifndef CRUMBLEFORD_INPUT_PAD_READER_H
#define CRUMBLEFORD_INPUT_PAD_READER_H

// Gamepads, read through SDL's game-controller API and nothing else of SDL:
// no SDL window and no second event loop; a timer of the reader's own polls
// SDL on the GUI thread. Every connected pad counts, merged into one set of
// pad_buttons that reads as held while any pad holds it. The view owns the
// reader and hands what it reports to the top scene.

#include "input_table.h"

#include <QElapsedTimer>
#include <QObject>
#include <array>
#include <vector>

class QTimer;
struct _SDL_GameController;

namespace input
{

class pad_reader : public QObject
{
    Q_OBJECT
  public:
    explicit pad_reader(QObject* parent = nullptr);
    ~pad_reader() override;
    pad_reader(const pad_reader&) = delete;
    pad_reader& operator=(const pad_reader&) = delete;

    // False when SDL could not start; the game then runs without pads.
    bool available() const { return sdl_ready; }
    // Pads being read. A pad counts from its first reading, the poll after
    // the one that found it; what it holds then waits to be let go.
    int pad_count() const;

    // Reads every pad once; `now_ms` times the automatic repeats. The
    // reader's timer calls it; tests call it with a clock of their own.
    void poll(long long now_ms);

    // Sticks count as pushed past 40 % of their travel and as back at rest
    // only below 30 %, so a stick resting near the edge does not chatter.
    static constexpr int stick_pushed = 13107;
    static constexpr int stick_rest = 9830;
    static constexpr int trigger_pushed = 19661;
    static constexpr int trigger_rest = 13107;
    // A held direction repeats for menus after a pause, then steadily.
    static constexpr long long repeat_delay_ms = 400;
    static constexpr long long repeat_every_ms = 120;
    static constexpr int poll_every_ms = 16;

  signals:
    // A merged button went down (fresh or, for directions, repeated) or up.
    void button(input::pad_button b, bool pressed, bool repeat);
    // A pad in use (the one pressed last, or one holding a button) was
    // unplugged; what it held was released first.
    void pad_lost();

  private:
    // One way of pressing a pad_button: a button, or an axis pushed one way.
    // A source held when its pad appears stays `blocked` until let go, so a
    // button held at start or a stick resting off centre never acts.
    enum class source_state : unsigned char { blocked, idle, held };
    struct pad {
        _SDL_GameController* handle = nullptr;
        int id = -1; // SDL's instance id
        bool read = false;
        std::vector<source_state> states;
    };
    struct change {
        pad_button b;
        bool pressed;
        bool repeat;
    };

    void open_new_pads();
    // Lets go of what the pad held; true when it held anything.
    bool close_pad(std::size_t index, std::vector<change>& out);
    void read_pad(pad& p, long long now_ms, std::vector<change>& out);
    void hold(pad_button b, long long now_ms, std::vector<change>& out);
    void let_go(pad_button b, std::vector<change>& out);

    bool sdl_ready = false;
    bool polling = false;
    std::vector<pad> pads;
    int pad_in_use = -1;
    std::array<int, static_cast<int>(pad_button::count)> holders{};
    std::array<long long, static_cast<int>(pad_button::count)> next_repeat{};
    QTimer* timer = nullptr;
    QElapsedTimer clock;
};

} // namespace input

#endif
