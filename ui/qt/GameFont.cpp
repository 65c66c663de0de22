#include "ui/qt/GameFont.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

namespace ui {

bool LoadGameFont(const QString& fontsFolder)
{
    const int id = QFontDatabase::addApplicationFont(
        QDir(fontsFolder).filePath(QStringLiteral("NotoSansCJKhk-Game.otf")));
    if (id < 0) return false;
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) return false;
    QFont font(families.first());
    font.setFamilies(families);
    font.setPixelSize(GamePixelSize);
    QGuiApplication::setFont(font);
    return true;
}

}  // namespace ui
