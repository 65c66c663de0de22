#include "app/RunGame.h"

#include "app/DataFolder.h"
#include "app/FittedCaptions.h"
#include "app/Language.h"
#include "app/SettingsFile.h"
#include "core/Texts.h"
#include "core/WindowLayout.h"
#include "core/frmGorvak.h"
#include "core/frmSettings.h"
#include "sound/DeviceSound.h"
#include "ui/Clock.h"
#include "ui/Random.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtPictures.h"
#include "ui/qt/QtWindowSystem.h"
#include "ui/qt/QuitOnSignal.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

int RunGame(int argc, char* argv[], const std::function<void(QWidget*)>& onMainWindow,
            const std::string& dungeon, const std::string& languageAsked)
{
    const QDir home(QString::fromStdString(GameDataFolder().string()));
    GameLanguage language(home.filePath(QStringLiteral("fonts")));
    // One small file, read before anything is drawn: the main window opens
    // at the player's size, in the player's language unless --lang names one.
    const SettingsFile settingsFile;
    std::vector<std::string> spoken;
    for (const texts::Language& l : language.Languages()) spoken.push_back(l.code);
    const Settings settings = ReadSettings(settingsFile.Read(), spoken);
    const std::string& asked = languageAsked.empty() ? settings.language : languageAsked;
    const QString code =
        asked.empty() ? language.FromDesktop() : language.Match(QString::fromStdString(asked));
    if (code.isEmpty()) {
        std::string codes;
        for (const std::string& c : spoken) codes += (codes.empty() ? "" : ", ") + c;
        std::fprintf(stderr, "gorvak: %s%s (%s).%s\n", texts::NoSuchLanguage.data(),
                     languageAsked.c_str(), codes.c_str(), texts::SeeHelp.data());
        return 2;
    }
    QApplication app(argc, argv);
    // A quit signal ends start-up between its slow steps; from here on one
    // also ends a message box shown before the game's windows exist.
    ui::QuitOnSignals([] { QCoreApplication::exit(0); });
    if (ui::QuitSignalCaught()) return 0;
    QApplication::setApplicationName(QStringLiteral("gorvak"));
    // Not a display name: Qt would add it to every window title, the
    // message boxes' "Gorvak" included.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.varnel.Gorvak"));
    // The sound device and files load beside the windows' set-up; Form_Load
    // waits for them before the main window shows.
    sound::DeviceSound sounds(home.filePath(QStringLiteral("audio")).toStdString());
    sounds.StartLoading();

    const bool fontLoaded = language.Use(code.toStdString());  // and its face
    ui::QtPictures pictures;
    QString missing;
    if (!fontLoaded || !pictures.Load(home.filePath(QStringLiteral("pictures")), &missing)) {
        std::fprintf(stderr, "gorvak: cannot load %s\n",
                     fontLoaded ? qPrintable(missing) : "the bundled font");
        const std::string_view caption = texts::MessageBoxCaption;
        const std::string_view text = texts::PicturesMissing;
        QMessageBox::critical(nullptr, QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                              QString::fromUtf8(text.data(), qsizetype(text.size())));
        return ui::QuitSignalCaught() ? 0 : 1;
    }
    if (ui::QuitSignalCaught()) return 0;

    ui::ApplyGameStyle();
    UseFittedCaptions();
    // Installed, the desktop entry names the icon too; run from the build
    // folder, only this gives the windows one.
    ui::SetGameIcon(home.filePath(QStringLiteral("pictures")));
    ui::QtWindowSystem windows(pictures, GameSystemTexts());
    ui::QuitOnSignals(windows);
    ui::SystemClock clock;
    ui::StdRandom random;

    frmGorvak game(Services{windows, clock, random, sounds},
                   dungeon.empty() ? std::string(texts::DefaultDungeon) : dungeon);
    game.SettingsWindow().Use(settings);
    game.FirstStart = settingsFile.FirstStart();
    // A place that cannot be written means the settings are not saved; the
    // game plays on.
    game.SettingsWindow().onChanged = [&settingsFile](const Settings& changed) {
        settingsFile.Write(WriteSettings(changed));
    };
    if (onMainWindow) {
        game.form().Load();
        onMainWindow(static_cast<ui::QtForm&>(game.form()).widget());
    }
    windows.Guard([&game] { game.Form_Load(); });
    if (!sounds.LastError().empty() && windows.IsQuitting() && windows.ExitStatus() != 0) {
        std::fprintf(stderr, "gorvak: %s\n", sounds.LastError().c_str());
    }
    if (!windows.IsQuitting()) QApplication::exec();
    return windows.ExitStatus();
}
