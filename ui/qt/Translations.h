#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace ui {

// A program's texts in the languages it has Qt translations for: one
// <prefix>_<code>.qm a language in one folder (a resource folder works),
// beside the language the texts are written in. Each text is translated
// once a language and kept, so the storage handed out lasts as long as this
// object.
class Translations {
public:
    Translations(QString folder, QString prefix, QString sourceCode);

    // The source language first, then those with a translation.
    const QStringList& Codes() const { return codes_; }
    // Which of ours a locale ("en_GB", "zh-Hant-TW", "C") asks for: the same
    // language in the same script. Empty when none.
    QString Match(const QString& locale) const;
    // The first of a desktop's languages, in its order of preference, that
    // is one of ours; the source language when none is, or when "C" (or
    // "POSIX") comes first.
    QString Pick(const QStringList& uiLanguages) const;
    // Pick over the languages Qt reads from LANGUAGE, else the first set of
    // LC_ALL, LC_MESSAGES and LANG.
    QString FromDesktop() const;

    QString Current() const { return current_; }
    // False, and no change, for a code that is not one of ours.
    bool Use(const QString& code);

    std::string_view Translate(const char* context, const char* source);
    // In a language not necessarily the one in use: the language list
    // names each language in its own words.
    QString TranslateIn(const QString& code, const char* context, const char* source) const;

private:
    QString FileOf(const QString& code) const;

    QString folder_;
    QString prefix_;
    QStringList codes_;
    QString current_;
    std::unique_ptr<QTranslator> translator_;
    std::unordered_map<std::string, std::string> kept_;
};

}  // namespace ui
