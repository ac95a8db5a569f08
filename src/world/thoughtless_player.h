#ifndef CRUMBLEFORD_WORLD_THOUGHTLESS_PLAYER_H
#define CRUMBLEFORD_WORLD_THOUGHTLESS_PLAYER_H

// Players that need no thought, to show that a puzzle is not passed by
// accident: one charges right on a rhythm, jumping, trying doors and
// switching characters now and then; one presses keys and draws its stock
// at random cells. Each writes a script in the simulator's format and is a
// pure function of its seed, so a script that passes can be printed again
// and replayed.

#include <string>
#include <utility>
#include <vector>

struct thoughtless_tally {
    int played = 0;                                       // scripts of each kind
    std::vector<unsigned> rhythmic_passes, random_passes; // seeds that passed
};

class thoughtless_player
{
  public:
    // As long as the longest recorded solution may take: time enough to
    // stumble on anything easy.
    static constexpr long long default_ticks = 3000;

    static std::string rhythmic_script(unsigned seed, long long ticks);
    // Cells are drawn from a width x height grid, half of them within two
    // cells of one of the `near` cells (where the characters start), so that
    // some draws land within reach.
    static std::string random_script(unsigned seed, long long ticks, int width, int height,
                                     const std::vector<std::pair<int, int>>& near = {});
    // The same, with the grid of the level file. Needs a QApplication.
    static std::string random_script_for(unsigned seed, long long ticks,
                                         const std::string& level_path);

    // Plays `scripts` scripts of each kind, seeds 1 to scripts, on the level
    // for up to `ticks` ticks each. Needs a QApplication.
    static thoughtless_tally play(const std::string& level_path, int scripts, long long ticks);
};

#endif
