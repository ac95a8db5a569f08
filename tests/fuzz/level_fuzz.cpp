// Any bytes as a level file: loaded into a fresh scene, then 200 ticks with
// no input. Nothing may crash, leak or read out of bounds.

#include "fuzz_support.h"
#include "game_scene.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz_support::scratch_file level(".level");
    const std::string& path = level.write(reinterpret_cast<const char*>(data), size);
    auto scene = std::make_unique<game_scene>();
    scene->load_from_file(path);
    for (int t = 0; t < 200; ++t)
        scene->advance();
    return 0;
}
