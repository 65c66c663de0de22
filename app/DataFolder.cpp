#include "app/DataFolder.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path ProgramFolder()
{
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path();
}

}  // namespace

fs::path GameDataFolder()
{
    const fs::path own = ProgramFolder();
    if (own.empty()) return own;
    std::error_code error;
    if (fs::is_directory(own / "audio", error)) return own;
    const fs::path installed = (own / GORVAK_PROGRAM_TO_DATA).lexically_normal();
    return fs::is_directory(installed, error) ? installed : own;
}

void EnterInstalledDataFolder()
{
    const fs::path data = GameDataFolder();
    std::error_code error;
    if (!data.empty() && data != ProgramFolder()) fs::current_path(data, error);
}
