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
    const auto write = [](const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    };
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        SettingsText read;
        bool saved;
    } cases[] = {
        {"nothing yet", [](const fs::path&) {}, {}, true},
        {"our own file",
         [&](const fs::path& p) { write(p, "[General]\nzoom=2\n"); },
         {{"zoom", "2"}},
         true},
        {"huge",
         [&](const fs::path& p) { write(p, "zoom=3\n" + std::string(1 << 20, '#')); },
         {},
         true},
        {"a pipe",
         [](const fs::path& p) {
             fs::create_directories(p.parent_path());
             mkfifo(p.c_str(), 0600);
         },
         {},
         false},
        {"endless",
         [](const fs::path& p) {
             fs::create_directories(p.parent_path());
             fs::create_symlink("/dev/zero", p);
         },
         {},
         false},
        {"a folder", [](const fs::path& p) { fs::create_directories(p); }, {}, false},
        {"a file where the folder should be",
         [&](const fs::path& p) { write(p.parent_path(), ""); },
         {},
         false},
    };
    for (const auto& c : cases) {
        const fs::path path = scratch / c.what / "gorvak" / "settings.ini";
        c.make(path);
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
