// Any bytes as a kept attempt: read, and when it reads, taken up on a small
// level with every kind of object, so that the inputs and stops of any way
// reach the world.

#include "attempt_record.h"
#include "fuzz_support.h"
#include "game_scene.h"

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
