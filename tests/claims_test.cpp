// The claims the campaign's level comments make ("order matters", "out of
// reach from the floor"): each script under claims/ plays the level the way
// its claim says cannot work, and must not pass it.

#include "replay.h"

#include <QDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

TEST(level_claims, NoScriptThatBreaksAClaimPassesItsLevel)
{
    const QDir claims(CF_TESTS_DIR "/claims");
    const QStringList scripts = claims.entryList({"*.script"}, QDir::Files, QDir::Name);
    EXPECT_FALSE(scripts.isEmpty());
    for (const QString& file : scripts) {
        SCOPED_TRACE(file.toStdString());
        // "N-what-it-breaks.script" plays level N.
        const QString level = file.section('-', 0, 0);
        const std::string level_path = CF_STAGE_DIR "maps/levels/" + level.toStdString() + ".level";
        ASSERT_TRUE(std::ifstream(level_path).good()) << "no level " << level.toStdString();

        std::ifstream in(claims.filePath(file).toStdString());
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first.rfind("# claim: ", 0), 0u) << "the first line names the claim";
        in.seekg(0);
        const replay_script script = parse_replay_script(in);
        ASSERT_TRUE(script.ok()) << script.error;
        EXPECT_NE(run_replay_quietly(level_path, script, 3600).outcome, replay_outcome::passed)
            << first;
    }
}
