// The settings file on disk: whatever sits where it should be, reading
// never hangs or takes in more than a settings file holds, and a place that
// cannot be written means no saving, and no more.
#include "app/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(SettingsFile, WhateverIsThereReadingGivesOnlyWhatAFileCouldHold)
{
    const fs::path scratch =
        fs::temp_directory_path() / ("gorvak-settings-" + std::to_string(getpid()));
    fs::remove_all(scratch);
    const struct {
        const char* what;
        char kind;  // a (f)ile, a (p)ipe, /dev/(z)ero, (b)locked by a file, or (n)othing
        std::string text;
        SettingsText read;
        bool saved;
    } cases[] = {
        {"nothing yet", 'n', "", {}, true},
        {"our own file", 'f', "[General]\nzoom=2\n", {{"zoom", "2"}}, true},
        {"huge", 'f', "zoom=3\n" + std::string(1 << 20, '#'), {}, true},
        {"a pipe", 'p', "", {}, false},
        {"endless", 'z', "", {}, false},
        {"a file where the folder should be", 'b', "", {}, false},
    };
    for (const auto& c : cases) {
        const fs::path path = scratch / c.what / "gorvak" / "settings.ini";
        fs::create_directories(c.kind == 'b' ? scratch / c.what : path.parent_path());
        if (c.kind == 'f') std::ofstream(path, std::ios::binary) << c.text;
        if (c.kind == 'p') mkfifo(path.c_str(), 0600);
        if (c.kind == 'z') fs::create_symlink("/dev/zero", path);
        if (c.kind == 'b') std::ofstream(path.parent_path()) << "";
        const SettingsFile file(QString::fromStdString(path.string()));
        EXPECT_EQ(file.FirstStart(), !fs::exists(path)) << c.what;
        EXPECT_EQ(file.Read(), c.read) << c.what;
        EXPECT_EQ(file.Write({{"volume", "40"}}), c.saved) << c.what;
        if (!c.saved) continue;
        SettingsText want = c.read;
        want["volume"] = "40";
        EXPECT_EQ(SettingsFile(QString::fromStdString(path.string())).Read(), want) << c.what;
        EXPECT_EQ(std::distance(fs::directory_iterator(path.parent_path()), {}), 1)
            << c.what << ": the settings file and nothing else";
    }
    fs::remove_all(scratch);
}

}  // namespace
