// Where the player's settings are kept between runs, and the file itself:
// $XDG_CONFIG_HOME/gorvak/settings.ini (~/.config/gorvak/ by default),
// through QSettings, which writes a new copy and renames it over the old.
// Whatever is found there, reading gives text for the parser and never
// hangs, crashes or takes in more than a settings file could hold; a place
// that cannot be written means the settings are not saved, and no more.
#pragma once

#include "core/Settings.h"

#include <QString>

class SettingsFile {
public:
    explicit SettingsFile(QString path = DefaultPath());

    // Empty when there is no file, it is not a plain file, it is larger
    // than any this game writes, or it cannot be read.
    SettingsText Read() const;
    // Only these keys change; others in the file are kept. False when the
    // settings could not be saved.
    bool Write(const SettingsText& text) const;
    // No settings file existed when the game started: the player's first.
    bool FirstStart() const { return firstStart_; }

    static QString DefaultPath();
    static constexpr qint64 LargestFile = 64 * 1024;

private:
    bool IsPlainFileOrNothing() const;

    QString path_;
    bool firstStart_;
};
