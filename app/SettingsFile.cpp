#include "app/SettingsFile.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// Our own reader and writer of the INI lines rather than QSettings' INI
// format: that one turns an "@Variant(...)" value into whatever Qt type its
// bytes describe (a hostile file could make it allocate gigabytes) and
// "a, b" into a list, where the game wants plain text.
bool ReadIni(QIODevice& device, QSettings::SettingsMap& map)
{
    if (device.size() > SettingsFile::LargestFile) return false;
    const QByteArray data = device.read(SettingsFile::LargestFile + 1);
    if (data.size() > SettingsFile::LargestFile) return false;
    for (const auto& [key, value] : ParseSettingsFile(data.toStdString())) {
        map.insert(QString::fromStdString(key), QString::fromStdString(value));
    }
    return true;
}

bool WriteIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    SettingsText text;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        text[it.key().toStdString()] = it.value().toString().toStdString();
    }
    const std::string file = SettingsFileText(text);
    return device.write(file.data(), static_cast<qint64>(file.size())) ==
        static_cast<qint64>(file.size());
}

QSettings::Format IniLines()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), ReadIni, WriteIni);
    return format;
}

}  // namespace

SettingsFile::SettingsFile(QString path)
    : path_(std::move(path)),
      firstStart_(!QFileInfo::exists(path_))
{
}

QString SettingsFile::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/gorvak/settings.ini");
}

// QSettings opens the file as it is made: a pipe or a device there would
// block it or feed it for ever.
bool SettingsFile::IsPlainFileOrNothing() const
{
    const QFileInfo file(path_);
    return file.isFile() || (!file.exists() && !file.isSymLink());
}

SettingsText SettingsFile::Read() const
{
    SettingsText text;
    if (!QFileInfo(path_).isFile()) return text;
    const QSettings settings(path_, IniLines());
    for (const QString& key : settings.allKeys()) {
        text[key.toStdString()] = settings.value(key).toString().toStdString();
    }
    return text;
}

bool SettingsFile::Write(const SettingsText& text) const
{
    if (!IsPlainFileOrNothing()) return false;
    QSettings settings(path_, IniLines());
    for (const auto& [key, value] : text) {
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    }
    settings.sync();
    return settings.status() == QSettings::NoError;
}
