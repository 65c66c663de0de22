#include "app/Language.h"

#include "ui/qt/GameFont.h"

GameLanguage::GameLanguage(QString fontsFolder)
    : translations_(QStringLiteral(":/i18n"), QStringLiteral("gorvak"),
                    QString::fromUtf8(texts::SourceLanguage.data(),
                                      static_cast<qsizetype>(texts::SourceLanguage.size()))),
      fonts_(std::move(fontsFolder))
{
    texts::InstallTranslator(this);
}

GameLanguage::~GameLanguage() { texts::InstallTranslator(nullptr); }

std::string_view GameLanguage::Translate(const char* context, const char* source)
{
    return translations_.Translate(context, source);
}

std::vector<texts::Language> GameLanguage::Languages()
{
    std::vector<texts::Language> all;
    for (const QString& code : translations_.Codes()) {
        all.push_back(
            {code.toStdString(),
             translations_
                 .TranslateIn(code, texts::LanguageName.context(), texts::LanguageName.source())
                 .toStdString()});
    }
    return all;
}

std::string GameLanguage::Current() { return translations_.Current().toStdString(); }

bool GameLanguage::Use(std::string_view locale)
{
    const QString code =
        Match(QString::fromUtf8(locale.data(), static_cast<qsizetype>(locale.size())));
    const QString before = translations_.Current();
    if (code.isEmpty() || !translations_.Use(code)) return false;
    if (!fonts_.isEmpty() && !ui::LoadGameFont(fonts_, code)) {
        translations_.Use(before);
        ui::LoadGameFont(fonts_, before);
        return false;
    }
    if (onChange) onChange();
    return true;
}
