// The honest yardstick: a bare Qt window of the main window's size showing
// just its nine captions, at their places, in the bundled font loaded as
// the game loads it. Whatever shows Chinese text in a window pays this
// much; the game is measured against it as well as against an empty window.
#include "FirstPaint.h"
#include "core/Texts.h"
#include "ui/qt/GameFont.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!ui::LoadGameFont(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts")))
        return 1;

    QWidget window;
    window.setWindowTitle(Text(texts::Caption));
    window.setFixedSize(640, 481);
    struct Caption {
        std::string_view text;
        int left, top, width, height;
        bool button;
    };
    const Caption captions[] = {
        {texts::cmdShop, 72, 416, 81, 33, true},
        {texts::cmdSpell, 168, 416, 81, 33, true},
        {texts::cmdStatus, 264, 416, 129, 33, true},
        {texts::cmdQuit, 456, 416, 81, 33, true},
        {texts::Label1, 264, 24, 169, 17, false},
        {texts::lblVersion, 536, 448, 123, 15, false},
        {texts::lblDisclaimer, 8, 448, 249, 23, false},
        {texts::Label2, 272, 448, 257, 17, false},
        {texts::lblDescription, 0, 0, 253, 38, false},
    };
    for (const Caption& c : captions) {
        QWidget* control = nullptr;
        if (c.button) {
            control = new QPushButton(Text(c.text), &window);
        } else {
            auto* label = new QLabel(Text(c.text), &window);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            control = label;
        }
        control->setGeometry(c.left, c.top, c.width, c.height);
    }
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
