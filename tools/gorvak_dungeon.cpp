// gorvak-dungeon: for people who make their own dungeons. Checks a dungeon
// file as the game reads it, draws it, or makes one from its text form.
//   exit 0: done (notes do not count), 1: the game would refuse the dungeon
//   or the text has a syntax error, 2: bad arguments, a file that cannot be
//   read or written, or missing pictures.
#include "app/DataFolder.h"
#include "app/Language.h"
#include "core/Texts.h"
#include "dungeon/DungeonFile.h"
#include "dungeon/DungeonText.h"
#include "tools/DungeonNotes.h"
#include "tools/RenderDungeon.h"
#include "tools/ToolTexts.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtPictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kTrouble = 2;

int Usage()
{
    std::cerr << tooltexts::Usage << '\n';
    return kTrouble;
}

int Trouble(const std::string& what)
{
    std::cerr << "gorvak-dungeon: " << what << '\n' << tooltexts::Usage << '\n';
    return kTrouble;
}

// Problems first, then notes, then the verdict; true if the game accepts it.
bool Report(const std::vector<std::string>& problems, const Dungeon* sound)
{
    for (const std::string& p : problems) std::cout << p << '\n';
    if (sound != nullptr) {
        for (const std::string& n : DungeonNotes(*sound)) std::cout << n << '\n';
    }
    std::cout << (sound != nullptr ? tooltexts::Accepted : tooltexts::Refused) << '\n';
    return sound != nullptr;
}

// The file read as the game reads it; nothing for what is no file to read
// (missing, a folder, a device). A pipe is read only where `pipes` allows:
// it waits for a writer that may never come, which a thumbnailer must not.
std::optional<DungeonRead> Read(const fs::path& path, bool pipes)
{
    std::error_code error;
    if (pipes && fs::is_fifo(path, error)) {
        DungeonRead read = ReadDungeonFile(path);
        if (!read.dungeon && read.problems.size() == 1 &&
            read.problems.front() == DungeonMissingText(path.string())) {
            return std::nullopt;
        }
        return read;
    }
    // Opened without waiting and checked once open, so that no path swapped
    // for a pipe or a device meanwhile can stall the read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat info { };
    std::optional<DungeonRead> read;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        std::vector<unsigned char> bytes(DungeonFileSize);
        std::size_t got = 0;
        bool failed = false;
        while (got < bytes.size() && !failed) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n == 0) break;
            if (n > 0) got += static_cast<std::size_t>(n);
            failed = n < 0 && errno != EINTR;
        }
        bytes.resize(got);
        if (!failed) read = ParseDungeon(bytes, path.string());
    }
    ::close(fd);
    return read;
}

// Written beside the target and renamed over it, so a failed write never
// leaves a half file where a good one was.
bool WriteReplacing(const fs::path& out, const std::function<bool(const fs::path&)>& write)
{
    fs::path temporary = out;
    temporary += ".partial";
    if (!write(temporary)) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    std::error_code error;
    fs::rename(temporary, out, error);
    if (error) fs::remove(temporary, error);
    return !error;
}

int Check(const fs::path& file)
{
    const std::optional<DungeonRead> read = Read(file, true);
    if (!read) return Trouble("cannot read " + file.string());
    return Report(read->problems, read->dungeon ? &*read->dungeon : nullptr) ? kDone : kRefused;
}

int Build(const fs::path& textFile, const fs::path& out)
{
    std::error_code error;
    std::ifstream in(textFile, std::ios::binary);
    if (!fs::is_regular_file(textFile, error) || !in)
        return Trouble("cannot read " + textFile.string());
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return Trouble("cannot read " + textFile.string());

    const DungeonText parsed = ParseDungeonText(text.str());
    if (!parsed.dungeon) {
        std::cout << textFile.string() << ": " << parsed.error << '\n'
                  << tooltexts::Refused << '\n';
        return kRefused;
    }
    const std::vector<std::string> problems = DungeonProblems(*parsed.dungeon);
    if (!Report(problems, problems.empty() ? &*parsed.dungeon : nullptr)) return kRefused;

    const std::vector<unsigned char> bytes = EncodeDungeon(*parsed.dungeon);
    const bool written = WriteReplacing(out, [&bytes](const fs::path& path) {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        return static_cast<bool>(file);
    });
    return written ? kDone : Trouble("cannot write " + out.string());
}

// The pictures and font where the game has them: beside the executable in
// the build folder, in the game's data folder once installed.
QString AssetFolder(const QString& name)
{
    return QDir(QString::fromStdString(GameDataFolder().string())).filePath(name);
}

// With a size, a thumbnail: the map alone, from a plain file only, drawn
// with no application object (no platform, no font, nothing written but
// `out`) and written straight to `out`.
int Render(int argc, char** argv, const fs::path& file, const fs::path& out, int size)
{
    const std::optional<DungeonRead> read = Read(file, size == 0);
    if (!read) return Trouble("cannot read " + file.string());
    if (!Report(read->problems, read->dungeon ? &*read->dungeon : nullptr)) return kRefused;

    std::optional<QGuiApplication> app;
    if (size == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        app.emplace(argc, argv);
    }
    ui::QtPictures pictures;
    QString missing;
    if (!pictures.Load(AssetFolder(QStringLiteral("pictures")), &missing)) {
        return Trouble("cannot load " + missing.toStdString());
    }
    if (size == 0 &&
        !ui::LoadGameFont(AssetFolder(QStringLiteral("fonts")),
                          QString::fromStdString(texts::CurrentLanguage()))) {
        return Trouble("cannot load the bundled font");
    }
    const QImage image = size > 0 ? Thumbnail(*read->dungeon, pictures, size)
                                  : RenderDungeon(*read->dungeon, pictures);
    const auto save = [&image](const fs::path& path) {
        return image.save(QString::fromStdString(path.string()), "PNG");
    };
    bool written = size > 0 ? save(out) : WriteReplacing(out, save);
    if (!written && size > 0) {
        std::error_code ignored;
        fs::remove(out, ignored);
    }
    return written ? kDone : Trouble("cannot write " + out.string());
}

// A thumbnail's width: 1 to MaxThumbnail pixels, in decimal.
int SizeOf(std::string_view text)
{
    int size = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    const bool whole = error == std::errc() && end == text.data() + text.size();
    return whole && size >= 1 && size <= MaxThumbnail ? size : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // The game's texts in the desktop's language.
    GameLanguage language;
    language.Use(language.FromDesktop().toStdString());
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "check" && argc == 3) return Check(argv[2]);
    if (command == "build" && argc == 4) return Build(argv[2], argv[3]);
    if (command == "render" && argc == 4) return Render(argc, argv, argv[2], argv[3], 0);
    if (command == "render" && argc == 6 && std::string_view(argv[2]) == "--size") {
        const int size = SizeOf(argv[3]);
        if (size == 0) return Trouble("the size is pixels, 1 to " + std::to_string(MaxThumbnail));
        return Render(argc, argv, argv[4], argv[5], size);
    }
    return Usage();
}
