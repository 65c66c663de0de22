// The game's texts in the player's language: Qt's translations built into
// the program (the .ts files of i18n/), chosen from the desktop's languages
// or by name, and the bundled face that writes them.
#pragma once

#include "core/Texts.h"
#include "ui/qt/Translations.h"

#include <functional>

class GameLanguage final : public texts::Translator {
public:
    // Installs itself until destroyed. With a fonts folder, every language
    // taken into use brings its face (which needs the application object).
    explicit GameLanguage(QString fontsFolder = QString());
    ~GameLanguage() override;
    GameLanguage(const GameLanguage&) = delete;
    GameLanguage& operator=(const GameLanguage&) = delete;

    // Which of the game's languages a locale's name asks for ("en_GB" gives
    // "en", "zh_SG" "zh_CN", "zh_TW" the texts as written); empty when none.
    QString Match(const QString& locale) const { return translations_.Match(locale); }
    QString FromDesktop() const { return translations_.FromDesktop(); }

    std::string_view Translate(const char* context, const char* source) override;
    std::vector<texts::Language> Languages() override;
    std::string Current() override;
    // Any locale's name that Match knows. Runs onChange once the texts and
    // the face are in use.
    bool Use(std::string_view locale) override;

    std::function<void()> onChange;

private:
    ui::Translations translations_;
    QString fonts_;
};
