#include "attempt_keeper.h"

#include "cfg.h"
#include "durable_file.h"
#include "level_scene.h"
#include "progress_manager.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

attempt_keeper::attempt_keeper(const std::string& file, level_scene& level)
    : file(file), level(level), fingerprint(attempt_record::fingerprint_of_file(level.level_file()))
{
}

attempt_keeper::signature attempt_keeper::now() const
{
    return {level.history.world_ticks(), level.history.input_count(), level.attempt_changes()};
}

void attempt_keeper::tick()
{
    if (ended)
        return;
    // The first tick writes at once: an attempt entered and killed within
    // its first second is still there.
    if (++ticks_since_write < period && ever_written)
        return;
    save();
}

void attempt_keeper::save()
{
    if (ended)
        return;
    ticks_since_write = 0;
    const signature s = now();
    if (ever_written && s == written)
        return;
    attempt_record record;
    record.level_name = level.level_name;
    record.level_path = level.level_file();
    record.fingerprint = fingerprint;
    record.way = level.history.way();
    record.rewound = level.attempt_was_rewound();
    if (!durable_file::replace(file, record.text(), file + ".tmp")) {
        // Play goes on; the next second tries again.
        std::fprintf(stderr, "Crumbleford: cannot keep the attempt in %s\n", file.c_str());
        return;
    }
    written = s;
    ever_written = true;
}

void attempt_keeper::forget()
{
    ended = true;
    std::remove(file.c_str());
}

void attempt_keeper::begin_again()
{
    ended = false;
    ever_written = false;
}

bool attempt_keeper::load(const std::string& file, const progress_manager* progress,
                          attempt_record& record, std::string& why)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = "none";
        return false;
    }
    if (!record.read(in, why))
        return false;
    const bool shipped = record.shipped();
    const bool own = record.level_path.compare(0, cfg::own_levels_directory.size(),
                                               cfg::own_levels_directory) == 0 &&
                     record.level_path.find("/../") == std::string::npos;
    if (!shipped && !own) {
        why = "its level file is neither ours nor the player's";
        return false;
    }
    if (shipped && (!progress || std::none_of(progress->levels.begin(), progress->levels.end(),
                                              [&](const lvl_struct& l) {
                                                  return l.name == record.level_name;
                                              }))) {
        why = "level " + record.level_name + " is not in the level list";
        return false;
    }
    if (attempt_record::fingerprint_of_file(record.level_path) != record.fingerprint) {
        why = "the level's file " + record.level_path + " has changed or is gone";
        return false;
    }
    return true;
}
