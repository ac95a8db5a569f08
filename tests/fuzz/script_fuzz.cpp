// Any bytes as a simulator script: parsed, and when it parses, played on a
// small level with every kind of object, so that keys and placements at any
// cell and tick reach the world.

#include "fuzz_support.h"
#include "replay.h"

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
    const replay_script script = parse_replay_script(in);
    if (!script.ok())
        return 0;
    // A trace stream in a failed state formats nothing: only the world runs.
    std::ostream no_trace(nullptr);
    run_replay(level_path, script, 150, no_trace);
    return 0;
}
