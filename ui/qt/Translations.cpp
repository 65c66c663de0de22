#include "ui/qt/Translations.h"

#include <QDir>
#include <QLocale>

namespace ui {

namespace {

// Chinese is one language in two scripts, and a translation serves one.
bool SameLanguage(const QLocale& a, const QLocale& b)
{
    return a.language() == b.language() && a.script() == b.script();
}

}  // namespace

Translations::Translations(QString folder, QString prefix, QString sourceCode)
    : folder_(std::move(folder)),
      prefix_(std::move(prefix)),
      codes_{sourceCode},
      current_(std::move(sourceCode))
{
    const QString start = prefix_ + QLatin1Char('_');
    const QString end = QStringLiteral(".qm");
    // Matched here, not by a name filter: a wildcard is compiled into a
    // regular expression, which maps PCRE and its JIT's memory at start-up.
    for (const QString& file : QDir(folder_).entryList(QDir::Files, QDir::Name)) {
        if (file.size() < start.size() + end.size() ||
            !file.startsWith(start, Qt::CaseInsensitive) ||
            !file.endsWith(end, Qt::CaseInsensitive))
            continue;
        codes_.append(file.mid(start.size(), file.size() - start.size() - end.size()));
    }
}

QString Translations::FileOf(const QString& code) const
{
    return QDir(folder_).filePath(prefix_ + QLatin1Char('_') + code + QStringLiteral(".qm"));
}

QString Translations::Match(const QString& locale) const
{
    const QLocale wanted(locale);
    if (wanted.language() == QLocale::C) return {};
    for (const QString& code : codes_) {
        if (SameLanguage(wanted, QLocale(code))) return code;
    }
    return {};
}

QString Translations::Pick(const QStringList& uiLanguages) const
{
    for (const QString& locale : uiLanguages) {
        // "C" and "POSIX" ask for no language at all: the texts as written.
        if (QLocale(locale).language() == QLocale::C) break;
        if (const QString code = Match(locale); !code.isEmpty()) return code;
    }
    return codes_.first();
}

QString Translations::FromDesktop() const { return Pick(QLocale::system().uiLanguages()); }

bool Translations::Use(const QString& code)
{
    if (!codes_.contains(code)) return false;
    if (code == codes_.first()) {
        translator_.reset();
    } else {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(FileOf(code))) return false;
        translator_ = std::move(translator);
    }
    current_ = code;
    return true;
}

std::string_view Translations::Translate(const char* context, const char* source)
{
    if (!translator_) return source;
    std::string key = current_.toStdString();
    key.append(1, '\x04').append(context).append(1, '\x04').append(source);
    auto it = kept_.find(key);
    if (it == kept_.end()) {
        const QString translated = translator_->translate(context, source);
        it = kept_
                 .emplace(std::move(key),
                          translated.isEmpty() ? std::string(source) : translated.toStdString())
                 .first;
    }
    return it->second;
}

QString Translations::TranslateIn(const QString& code, const char* context,
                                  const char* source) const
{
    QTranslator translator;
    if (code != codes_.first() && translator.load(FileOf(code))) {
        if (QString translated = translator.translate(context, source); !translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(source);
}

}  // namespace ui
