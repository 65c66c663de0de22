#include "core/Texts.h"

#include <ostream>

namespace texts {

namespace {

Translator* installed = nullptr;

}  // namespace

std::string_view Text::str() const
{
    return installed != nullptr ? installed->Translate(context_, source_)
                                : std::string_view(source_);
}

std::ostream& operator<<(std::ostream& out, const Text& text) { return out << text.str(); }

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() ? std::size_t(pattern[i + 1] - '1') : 9;
        if (pattern[i] == '%' && n < values.size()) {
            filled += values.begin()[n];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

void InstallTranslator(Translator* translator) { installed = translator; }

std::vector<Language> Languages()
{
    if (installed != nullptr) return installed->Languages();
    return {{std::string(SourceLanguage), std::string(LanguageName.source())}};
}

std::string CurrentLanguage()
{
    return installed != nullptr ? installed->Current() : std::string(SourceLanguage);
}

bool UseLanguage(std::string_view code)
{
    return installed != nullptr ? installed->Use(code) : code == SourceLanguage;
}

}  // namespace texts
