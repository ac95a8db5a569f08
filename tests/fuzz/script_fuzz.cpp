// Any bytes as a simulator script: parsed, and when it parses, played on a
// small level with every kind of object, so that keys and placements at any
// cell and tick reach the world.

#include "fuzz_support.h"
#include "replay.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& level_path = fuzz_support::every_kind_level();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const replay_script script = parse_replay_script(in);
    if (!script.ok())
        return 0;
    // A trace stream in a failed state formats nothing: only the world runs.
    std::ostream no_trace(nullptr);
    run_replay(level_path, script, 150, no_trace);
    return 0;
}
