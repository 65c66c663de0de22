#include "app/CommandLine.h"

#include "core/Texts.h"

#include <QCommandLineParser>
#include <QUrl>

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// The game's options; a new one is a row here and a look at the parser in
// ParseCommandLine. The help lists them in this order.
struct Option {
    QStringList names;
    QString valueName;  // empty for a switch
    std::string_view help;
};

const std::vector<Option>& Options()
{
    static const std::vector<Option> options = {
        {{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")}, {}, texts::HelpOption},
        {{QStringLiteral("v"), QStringLiteral("version")}, {}, texts::VersionOption},
        {{QStringLiteral("lang")}, QStringLiteral("CODE"), texts::LangOption},
    };
    return options;
}

// What QApplication takes out of the arguments later: options with a value,
// then switches.
constexpr const char* kQtOptionsWithValue =
    "platform platformpluginpath platformtheme plugin qwindowgeometry geometry qwindowtitle title "
    "qwindowicon icon session style stylesheet display name";
constexpr const char* kQtSwitches = "reverse widgetcount nograb dograb";

std::string HelpText()
{
    QString list;
    for (const Option& o : Options()) {
        QStringList names;
        for (const QString& n : o.names) {
            if (n != QLatin1String("?")) names << (n.size() == 1 ? "-" : "--") + n;
        }
        QString left = names.join(QStringLiteral(", "));
        if (!o.valueName.isEmpty()) left += ' ' + o.valueName;
        list += QStringLiteral("  %1  %2\n").arg(left, -14).arg(Q(o.help));
    }
    return std::string(texts::Usage) + "\n" + std::string(texts::About) + "\n\nOptions:\n" +
        list.toStdString() + "\n" + std::string(texts::HelpEnd) + "\n";
}

CommandLine Answer(int status, std::string answer) { return {status, std::move(answer), {}, {}}; }

CommandLine Refuse(const std::string& what)
{
    return Answer(2, "gorvak: " + what + std::string(texts::SeeHelp) + "\n");
}

// A file:// URI as the bytes of the local path it names, percent escapes
// and all; nothing for another scheme or another machine.
std::optional<std::string> LocalPath(const std::string& uri)
{
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(uri), QUrl::TolerantMode);
    const QString host = url.host();
    if (!url.isValid() || url.scheme() != QLatin1String("file") ||
        !(host.isEmpty() || host == QLatin1String("localhost"))) {
        return std::nullopt;
    }
    const QByteArray path =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (path.isEmpty() || path.contains(char(0))) return std::nullopt;
    return path.toStdString();
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    QCommandLineParser parser;
    // -platform and the other Qt options have one dash and a long name.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& o : Options()) parser.addOption({o.names, Q(o.help), o.valueName});
    auto addQt = [&parser](const char* names, const QString& valueName) {
        for (const QString& name : QString::fromLatin1(names).split(' ')) {
            QCommandLineOption option(name, QString(), valueName);
            option.setFlags(QCommandLineOption::HiddenFromHelp);
            parser.addOption(option);
        }
    };
    addQt(kQtOptionsWithValue, QStringLiteral("value"));
    addQt(kQtSwitches, QString());

    QStringList decoded;
    for (const std::string& a : arguments) decoded << QString::fromLocal8Bit(a);
    if (!parser.parse(decoded)) return Refuse(parser.errorText().toStdString());
    if (parser.isSet(QStringLiteral("help"))) return Answer(0, HelpText());
    if (parser.isSet(QStringLiteral("version"))) {
        return Answer(0, "gorvak " GORVAK_VERSION "\n" + std::string(texts::Licence) + "\n");
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return Refuse(std::string(texts::OneDungeonOnly));
    CommandLine line;
    line.language = parser.value(QStringLiteral("lang")).trimmed().toStdString();
    if (parser.isSet(QStringLiteral("lang")) && line.language.empty())
        return Refuse(std::string(texts::EmptyLanguage));
    if (files.isEmpty()) return line;
    // The argument's own bytes: a name that is not valid in the locale's
    // encoding still names its file.
    for (auto a = arguments.rbegin(); a != arguments.rend(); ++a) {
        if (QString::fromLocal8Bit(*a) == files.front()) {
            line.dungeon = *a;
            break;
        }
    }
    if (line.dungeon.empty()) return Refuse(std::string(texts::EmptyDungeonName));
    if (files.front().startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const std::optional<std::string> path = LocalPath(line.dungeon);
        if (!path) return Refuse(line.dungeon + std::string(texts::NotALocalFile));
        line.dungeon = *path;
    }
    return line;
}
