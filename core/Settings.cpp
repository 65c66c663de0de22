#include "core/Settings.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

// A whole number from `low` to `high`, written in plain decimal digits.
SettingRow Whole(std::string_view key, int Settings::*member, int low, int high)
{
    return {key,
            [=](Settings& s, std::string_view text) {
                int value = 0;
                const char* end = text.data() + text.size();
                const auto [stop, error] = std::from_chars(text.data(), end, value);
                if (text.empty() || text.front() == '-' || error != std::errc() || stop != end ||
                    value < low || value > high) {
                    return false;
                }
                s.*member = value;
                return true;
            },
            [=](const Settings& s) { return std::to_string(s.*member); }};
}

SettingRow Switch(std::string_view key, bool Settings::*member)
{
    return {key,
            [=](Settings& s, std::string_view text) {
                if (text != "true" && text != "false") return false;
                s.*member = text == "true";
                return true;
            },
            [=](const Settings& s) { return std::string(s.*member ? "true" : "false"); }};
}

// One of a few values, each written as its name.
template <class T>
SettingRow OneOf(std::string_view key, T Settings::*member,
                 std::vector<std::pair<T, std::string>> choices)
{
    return {key,
            [=](Settings& s, std::string_view text) {
                for (const auto& [value, name] : choices) {
                    if (name != text) continue;
                    s.*member = value;
                    return true;
                }
                return false;
            },
            [=](const Settings& s) {
                for (const auto& [value, name] : choices) {
                    if (value == s.*member) return name;
                }
                return std::string();
            }};
}

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return (x | 0x20) == (y | 0x20); });
}

}  // namespace

std::vector<SettingRow> SettingRows(std::span<const std::string> languages)
{
    std::vector<std::pair<std::string, std::string>> spoken;
    for (const std::string& code : languages) spoken.emplace_back(code, code);
    return {
        Whole("zoom", &Settings::zoom, 1, LargestZoom),
        Switch("fullScreen", &Settings::fullScreen),
        Whole("volume", &Settings::volume, 0, 100),
        OneOf("language", &Settings::language, std::move(spoken)),
        OneOf("battlePace", &Settings::pace,
              std::vector<std::pair<BattlePace, std::string>>{
                  {BattlePace::AsDesigned, "asDesigned"}, {BattlePace::Quick, "quick"}}),
    };
}

Settings ReadSettings(const SettingsText& text, std::span<const std::string> languages)
{
    Settings settings;
    for (const SettingRow& row : SettingRows(languages)) {
        if (const auto it = text.find(row.key); it != text.end()) row.read(settings, it->second);
    }
    return settings;
}

SettingsText WriteSettings(const Settings& settings)
{
    // Whatever the language, it is written: the rows only check on reading.
    const std::string languages[] = {settings.language};
    SettingsText text;
    for (const SettingRow& row : SettingRows(languages)) {
        text[std::string(row.key)] = row.write(settings);
    }
    return text;
}

SettingsText ParseSettingsFile(std::string_view file)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (file.starts_with(bom)) file.remove_prefix(bom.size());
    SettingsText text;
    bool general = true;
    while (!file.empty()) {
        const std::size_t end = std::min(file.find('\n'), file.size());
        const std::string_view line = Trimmed(file.substr(0, end));
        file.remove_prefix(std::min(end + 1, file.size()));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            general = line.back() == ']' &&
                SameLetters(Trimmed(line.substr(1, line.size() - 2)), "General");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!general || equals == std::string_view::npos) continue;
        const std::string_view key = Trimmed(line.substr(0, equals));
        if (!key.empty()) text[std::string(key)] = Trimmed(line.substr(equals + 1));
    }
    return text;
}

std::string SettingsFileText(const SettingsText& text)
{
    std::string file = "[General]\n";
    for (const auto& [key, value] : text) file += key + "=" + value + "\n";
    return file;
}
