// The game's command line as a table: arguments to the dungeon played, or to
// the answer and exit status, with no application object.
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
        std::string said;  // the dungeon played, or a part of the answer
    } cases[] = {
        {{"gorvak"}, play, ""},
        {{"gorvak", "../my maps/mine.gvk"}, play, "../my maps/mine.gvk"},
        {{"gorvak", "caf\xe9.gvk"}, play, "caf\xe9.gvk"},  // not UTF-8: its bytes name it
        {{"gorvak", "file:///home/p/my%20maps/caf%E9.gvk"}, play, "/home/p/my maps/caf\xe9.gvk"},
        {{"gorvak", "-platform", "xcb", "a.gvk", "-reverse", "--style=fusion"}, play, "a.gvk"},
        {{"gorvak", "-h", "a.gvk"}, 0, std::string(texts::Usage)},
        {{"gorvak", "--version"}, 0, "GPL-3.0-or-later"},
        {{"gorvak", "--bogus", "-h"}, 2, "gorvak: Unknown option 'bogus'."},
        {{"gorvak", "a.gvk", "b.gvk"}, 2, std::string(texts::OneDungeonOnly)},
        {{"gorvak", ""}, 2, std::string(texts::EmptyDungeonName)},
        {{"gorvak", "file://elsewhere/a.gvk"}, 2, std::string(texts::NotALocalFile)},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        const std::string shown = testing::PrintToString(c.arguments) + "\n" + line.answer;
        EXPECT_EQ(line.exitStatus.value_or(play), c.status) << shown;
        if (c.status == play) {
            EXPECT_EQ(line.dungeon, c.said) << shown;
        } else {
            EXPECT_NE(line.answer.find(c.said), std::string::npos) << shown;
            EXPECT_TRUE(c.status == 0 || line.answer.find('\n') + 1 == line.answer.size()) << shown;
        }
    }
}

}  // namespace
