// Any bytes as a kept attempt: read, and when it reads, taken up on a small
// level with every kind of object, so that the inputs and stops of any way
// reach the world.

#include "attempt_record.h"
#include "fuzz_support.h"
#include "game_scene.h"

#include <cstdint>
#include <sstream>

namespace
{

const char* const level_text = "mapsize 12 8\n"
                               "mkframe\n"
                               "stockblock 4 6 red\n"
                               "spikes 6 6 green\n"
                               "cloud 3 3 right blue\n"
                               "falling 8 2 white\n"
                               "exit 9 5 white\n"
                               "char 2 5 white white destroyer 3 red cloud 2 blue falling 9\n"
                               "char 5 4 green green spikes 4 white stockblock 5 null null 0\n";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz_support::scratch_file level(".level");
    static const std::string& level_path =
        level.write(level_text, std::char_traits<char>::length(level_text));
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    attempt_record record;
    std::string why;
    // Long ways cost time, not new paths through the code.
    if (!record.read(in, why) || record.way.world_moved.size() > 2000)
        return 0;
    game_scene scene;
    rewind_log history;
    history.resume(scene, level_path, record.way);
    history.restore(scene, level_path, history.world_ticks() / 2);
    return 0;
}
