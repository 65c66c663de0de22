// The game's command line as a table: arguments to the dungeon played, or to
// the answer and exit status, with no application object.
#include "app/CommandLine.h"
#include "core/Texts.h"
#include "ui/qt/Translations.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

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
        {{"gorvak", "--lang", "zh_CN", "a.gvk"}, play, "a.gvk"},
        {{"gorvak", "-h", "a.gvk"}, 0, std::string(texts::Usage)},
        {{"gorvak", "--version"}, 0, "GPL-3.0-or-later"},
        {{"gorvak", "--bogus", "-h"}, 2, "gorvak: Unknown option 'bogus'."},
        {{"gorvak", "a.gvk", "b.gvk"}, 2, std::string(texts::OneDungeonOnly)},
        {{"gorvak", ""}, 2, std::string(texts::EmptyDungeonName)},
        {{"gorvak", "file://elsewhere/a.gvk"}, 2, std::string(texts::NotALocalFile)},
        {{"gorvak", "--lang="}, 2, std::string(texts::EmptyLanguage)},
    };
    for (const auto& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        const std::string shown = testing::PrintToString(c.arguments) + "\n" + line.answer;
        EXPECT_EQ(line.exitStatus.value_or(play), c.status) << shown;
        if (c.status == play) {
            EXPECT_EQ(line.dungeon, c.said) << shown;
            const bool asked = std::count(c.arguments.begin(), c.arguments.end(), "--lang") > 0;
            EXPECT_EQ(line.language, asked ? "zh_CN" : "") << shown;
        } else {
            EXPECT_NE(line.answer.find(c.said), std::string::npos) << shown;
            EXPECT_TRUE(c.status == 0 || line.answer.find('\n') + 1 == line.answer.size()) << shown;
        }
    }
}

// The desktop's languages as Qt lists them (from LANGUAGE, else LC_ALL,
// LC_MESSAGES, LANG) to the game's language; --lang takes the same names.
TEST(CommandLine, DesktopLanguagesToTheGamesLanguage)
{
    QTemporaryDir folder;
    for (const char* code : {"en", "zh_CN"})
        QFile(folder.filePath(QStringLiteral("gorvak_%1.qm").arg(code))).open(QIODevice::WriteOnly);
    const ui::Translations ours(folder.path(), QStringLiteral("gorvak"), QStringLiteral("zh_HK"));
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{"en", "en-Latn-US", "en-US"}, "en"},
        {{"en-GB", "en-Latn-GB", "en"}, "en"},
        {{"zh-CN", "zh-Hans-CN", "zh"}, "zh_CN"},
        {{"zh-SG", "zh-Hans-SG"}, "zh_CN"},
        {{"zh-Hans", "zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"},
        {{"zh-HK", "zh-Hant-HK"}, "zh_HK"},
        {{"zh-TW", "zh-Hant-TW"}, "zh_HK"},
        {{"zh-Hant", "zh-Hant-TW", "zh-TW"}, "zh_HK"},
        {{"C"}, "zh_HK"},  // LANG=C and LANG=POSIX alike
        {{"C", "en"}, "zh_HK"},
        {{"fr-FR", "fr-Latn-FR", "fr"}, "zh_HK"},
        {{"fr", "en"}, "en"},  // LANGUAGE=fr:en
        {{}, "zh_HK"},
    };
    for (const auto& [desktop, game] : cases)
        EXPECT_EQ(ours.Pick(desktop), game) << desktop.join(' ').toStdString();
    EXPECT_EQ(ours.Match(QStringLiteral("POSIX")), QString());
    EXPECT_EQ(ours.Match(QStringLiteral("zh_SG")), QStringLiteral("zh_CN"));
}

}  // namespace
