// Any bytes as the map list, the level list, the progress file and the
// records (split at the first three NUL bytes): read at start-up, every map
// query, and a level passed, appended to the progress file; the records
// read, an attempt and a pass recorded, the file rewritten.

#include "fuzz_support.h"
#include "progress_manager.h"
#include "records_store.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz_support::start_application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz_support::scratch_file menus(".menus"), levels(".levels"), progress(".progress"),
        records(".records");
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string part[4];
    size_t from = 0;
    for (int k = 0; k < 4; ++k) {
        const size_t nul = k < 3 ? input.find('\0', from) : std::string::npos;
        part[k] = input.substr(from, nul == std::string::npos ? std::string::npos : nul - from);
        if (nul == std::string::npos)
            break;
        from = nul + 1;
    }
    menus.write(part[0].data(), part[0].size());
    levels.write(part[1].data(), part[1].size());
    progress.write(part[2].data(), part[2].size());
    records.write(part[3].data(), part[3].size());

    progress_manager store(menus.path, levels.path, progress.path, "/nonexistent/");
    store.get_all_menuses();
    if (!store.levels.empty()) {
        const std::string name = store.levels[size % store.levels.size()].name;
        store.check_if_passed(name);
        store.set_level_passed(name);
        store.get_new_menuses();
    }

    records_store kept(records.path);
    const auto read = records_store::read_text(part[3]);
    const std::string name = read.levels.empty() ? "1" : read.levels.begin()->first;
    kept.count_attempt(name);
    level_pass pass;
    pass.ticks = static_cast<long long>(size) * 7;
    pass.placements = static_cast<long long>(size % 5);
    pass.rewound = size % 2;
    kept.record_pass(name, pass);
    // What it writes, it reads back whole.
    if (!read.later_version &&
        records_store::read_text(records_store::write_text(read.levels)).levels != read.levels)
        __builtin_trap();
    return 0;
}
