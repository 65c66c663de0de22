// The game's command line as a table: arguments to the dungeon played or the
// answer and exit status, before any application object exists.
#include "app/CommandLine.h"
#include "core/Texts.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, ArgumentsToOutcomes)
{
    constexpr int play = -1;
    const struct {
        std::vector<std::string> arguments;
        int status;
        std::string dungeon;  // played, or a part of the answer
    } cases[] = {
        {{}, play, ""},
        {{"mine.gvk"}, play, "mine.gvk"},
        {{"../my maps/mine.gvk"}, play, "../my maps/mine.gvk"},
        {{"caf\xe9.gvk"}, play, "caf\xe9.gvk"},  // not UTF-8: the bytes name the file
        {{"file:///home/p/my%20maps/caf%E9.gvk"}, play, "/home/p/my maps/caf\xe9.gvk"},
        {{"file://localhost/tmp/a.gvk"}, play, "/tmp/a.gvk"},
        {{"--", "-odd.gvk"}, play, "-odd.gvk"},
        {{"-platform", "offscreen", "mine.gvk", "-reverse", "--style=fusion"}, play, "mine.gvk"},
        {{"--help"}, 0, std::string(texts::Usage)},
        {{"-h", "mine.gvk"}, 0, "-v, --version"},
        {{"--version"}, 0, "GPL-3.0-or-later"},
        {{"-v"}, 0, "gorvak 1."},
        {{"--bogus"}, 2, "gorvak: Unknown option 'bogus'."},
        {{"--help", "--bogus"}, 2, "'bogus'"},
        {{"a.gvk", "b.gvk"}, 2, std::string(texts::OneDungeonOnly)},
        {{""}, 2, std::string(texts::EmptyDungeonName)},
        {{"file://elsewhere/a.gvk"}, 2, std::string(texts::NotALocalFile)},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments = {"gorvak"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CommandLine line = ParseCommandLine(arguments);
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(line.exitStatus.value_or(play), c.status) << shown;
        EXPECT_EQ(line.dungeon, c.status == play ? c.dungeon : "") << shown;
        if (c.status == play) continue;
        EXPECT_NE(line.answer.find(c.dungeon), std::string::npos) << shown << line.answer;
        if (c.status == 2) {
            EXPECT_EQ(line.answer.find('\n'), line.answer.size() - 1) << shown << " in one line";
        }
    }
}

}  // namespace
