#include "ui/qt/TextFitting.h"

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <algorithm>

namespace ui {

QString FitText(QWidget& control, const QString& text, bool label, int zoom)
{
    QFont font = control.font();
    // A trailing line break adds no ink; a label's glyphs may overhang its
    // box by a few pixels of empty line spacing.
    QString ink = text;
    while (ink.endsWith('\n')) ink.chop(1);
    const QRect inside = control.contentsRect();
    const QRect room = label ? QRect(0, 0, inside.width(), inside.height() + 4 * zoom)
                             : QRect(0, 0, control.width() - 6 * zoom, control.height() - 2 * zoom);
    auto fits = [&room, label](const QFont& f, const QString& t) {
        const QRect need = QFontMetrics(f).boundingRect(room, label ? Qt::TextWordWrap : 0, t);
        return need.width() <= room.width() && need.height() <= room.height();
    };
    // In whole steps of the zoom: a larger window shows the very layout
    // of the smallest, only larger.
    const int smallest = 9 * zoom;
    const int readable = 11 * zoom;
    const int largest = font.pixelSize();
    for (int size = largest; size >= smallest; size -= zoom) {
        font.setPixelSize(size);
        // Small type in a label is hinted to whole pixels, so dense
        // characters keep their strokes apart; that makes its lines taller,
        // so the fitting measures it so.
        if (label && size <= 10 * zoom) font.setHintingPreference(QFont::PreferFullHinting);
        if (fits(font, ink)) {
            control.setFont(font);
            return text;
        }
        if (label || ink.contains('\n') || size > readable) continue;
        // Two lines at a readable size beat one line too small to read.
        QString best;
        int bestWidth = room.width() + 1;
        for (int cut = 1; cut < ink.size(); ++cut) {
            if (ink[cut - 1].isLetter() && ink[cut].isLetter() && ink[cut - 1].unicode() < 128 &&
                ink[cut].unicode() < 128) {
                continue;  // never inside a Latin word
            }
            const QString two = ink.left(cut) + '\n' + ink.mid(cut);
            const QFontMetrics m(font);
            const int widest =
                std::max(m.horizontalAdvance(ink.left(cut)), m.horizontalAdvance(ink.mid(cut)));
            if (widest < bestWidth && fits(font, two)) {
                best = two;
                bestWidth = widest;
            }
        }
        if (!best.isEmpty()) {
            control.setFont(font);
            return best;
        }
    }
    control.setFont(font);
    return text;
}

void SetLabelPadding(QLabel& label, const QRect& box, int zoom)
{
    const int pad = 6 * zoom;
    label.setContentsMargins(box.left() <= 0 ? pad : 0, box.top() <= 0 ? 3 * zoom : 0,
                             box.left() <= 0 ? 2 * zoom : 0, 0);
}

void SetLabelType(QLabel& label, const QString& text)
{
    QString ink = text;
    while (ink.endsWith('\n')) ink.chop(1);
    const QFont font = label.font();
    const QRect inside = label.contentsRect();
    const QRect need = QFontMetrics(font).boundingRect(inside, Qt::TextWordWrap, ink);
    const bool middle = need.height() < inside.height() && ink.size() == text.size();
    label.setAlignment(Qt::AlignLeft | (middle ? Qt::AlignVCenter : Qt::AlignTop));
}

}  // namespace ui
