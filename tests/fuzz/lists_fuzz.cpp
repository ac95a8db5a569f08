// Any bytes as the map list, the level list and the progress file (split at
// the first two NUL bytes): read at start-up, every map query, and a level
// passed, appended to the progress file.

#include "fuzz_support.h"
#include "progress_manager.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz_support::scratch_file menus(".menus"), levels(".levels"), progress(".progress");
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string part[3];
    size_t from = 0;
    for (int k = 0; k < 3; ++k) {
        const size_t nul = k < 2 ? input.find('\0', from) : std::string::npos;
        part[k] = input.substr(from, nul == std::string::npos ? std::string::npos : nul - from);
        if (nul == std::string::npos)
            break;
        from = nul + 1;
    }
    menus.write(part[0].data(), part[0].size());
    levels.write(part[1].data(), part[1].size());
    progress.write(part[2].data(), part[2].size());

    progress_manager store(menus.path, levels.path, progress.path, "/nonexistent/");
    store.get_all_menuses();
    if (!store.levels.empty()) {
        const std::string name = store.levels[size % store.levels.size()].name;
        store.check_if_passed(name);
        store.set_level_passed(name);
        store.get_new_menuses();
    }
    return 0;
}
