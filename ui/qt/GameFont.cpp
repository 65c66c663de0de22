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

#include <QApplication>
#include <QPalette>

namespace ui {

void ApplyGameStyle()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, QColor(0xD6, 0xBA, 0x88));
    palette.setColor(QPalette::WindowText, QColor(0x20, 0x1A, 0x22));
    palette.setColor(QPalette::Button, QColor(0xEE, 0xDE, 0xB4));
    palette.setColor(QPalette::ButtonText, QColor(0x20, 0x1A, 0x22));
    QApplication::setPalette(palette);
    qApp->setStyleSheet(QStringLiteral(
        "QPushButton { color: #201a22; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #f4e6c0, stop:1 #d6ba88); border: 2px solid #382218; border-radius: 4px;"
        " padding: 0px; }"
        "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #fff4d6, stop:1 #e4cc9c); }"
        "QPushButton:pressed { background: #c4a672; }"
        "QPushButton:focus { border-color: #8a4a18; }"
        "QPushButton:disabled { color: #8c7a5c; background: #b9a27a; border-color: #6a5038; }"
        "QMessageBox QPushButton { min-width: 72px; min-height: 26px; }"));
}

}  // namespace ui
