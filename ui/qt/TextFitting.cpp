#include "ui/qt/TextFitting.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ui {

namespace {

// A trailing line break adds no ink.
QString InkOf(const QString& text)
{
    QString ink = text;
    while (ink.endsWith('\n')) ink.chop(1);
    return ink;
}

// A label's glyphs may overhang its box by a few pixels of empty line
// spacing; a button's frame takes a few.
QRect RoomOf(const QWidget& control, bool label, int zoom)
{
    const QRect inside = control.contentsRect();
    return label ? QRect(0, 0, inside.width(), inside.height() + 4 * zoom)
                 : QRect(0, 0, control.width() - 6 * zoom, control.height() - 2 * zoom);
}

// A label whose text (measured: `need`) wants less height than its box sits
// in the middle of it, clear of whatever borders the box above and below
// (the disclaimer starts where the buttons end); a text ending in a line
// break keeps to the top, as written.
void AlignLabel(QLabel& label, const QRect& need, const QString& text)
{
    const bool middle =
        need.height() < label.contentsRect().height() && InkOf(text).size() == text.size();
    label.setAlignment(Qt::AlignLeft | (middle ? Qt::AlignVCenter : Qt::AlignTop));
}

struct Stored {
    std::vector<std::pair<const FittedCaption*, std::size_t>> tables;
    QByteArray face;
    CaptionWatch watch;
    QHash<QString, QFont> fonts;  // one per distinct type and size
};

Stored& TheStored()
{
    static Stored stored;
    return stored;
}

// Fonts let go with the application, not after it.
void DropFonts() { TheStored().fonts.clear(); }

const FittedCaption* Find(const QByteArray& key)
{
    for (const auto& [table, count] : TheStored().tables) {
        const FittedCaption* end = table + count;
        const FittedCaption* at =
            std::lower_bound(table, end, key, [](const FittedCaption& c, const QByteArray& k) {
                return std::strcmp(c.key, k.constData()) < 0;
            });
        if (at != end && key == at->key) return at;
    }
    return nullptr;
}

const QFont& SharedFont(const QFont& base, int size, bool fullHinting)
{
    QHash<QString, QFont>& fonts = TheStored().fonts;
    const QString key = base.key() + base.families().join(',') + ' ' + QString::number(size) +
        (fullHinting ? QStringLiteral(" full") : QString());
    auto font = fonts.find(key);
    if (font == fonts.end()) {
        if (fonts.isEmpty()) qAddPostRoutine(DropFonts);
        QFont f = base;
        f.setPixelSize(size);
        if (fullHinting) f.setHintingPreference(QFont::PreferFullHinting);
        font = fonts.insert(key, f);
    }
    return *font;
}

// The fitting as it always was, measuring size after size.
QString FitAfresh(QWidget& control, const QFont& base, const QString& text, bool label, int zoom)
{
    control.setFont(base);
    auto* l = qobject_cast<QLabel*>(&control);
    if (!label || l == nullptr) {
        const QString shown = FitText(control, text, false, zoom);
        if (auto* b = qobject_cast<QPushButton*>(&control)) b->setText(shown);
        return shown;
    }
    FitText(*l, text, true, zoom);  // labels wrap by themselves
    // A label breaks its lines a little otherwise than the font's own
    // measure: shrink on while the label says it would clip.
    for (QFont small = l->font();
         l->heightForWidth(l->width()) > l->height() + 4 * zoom && small.pixelSize() > 9 * zoom;) {
        small.setPixelSize(small.pixelSize() - 1);
        l->setFont(small);
    }
    AlignLabel(
        *l, QFontMetrics(l->font()).boundingRect(l->contentsRect(), Qt::TextWordWrap, InkOf(text)),
        text);
    return text;
}

// A stored outcome taken if it fits here, with the one measurement that
// also places a label's text.
bool TakeStored(QWidget& control, const QFont& base, const QString& text, bool label, int zoom,
                const FittedCaption& stored)
{
    const QFont& font = SharedFont(base, stored.size, stored.fullHinting);
    const QString shown = stored.text != nullptr ? QString::fromUtf8(stored.text) : text;
    const QString ink = InkOf(shown);
    const QRect room = RoomOf(control, label, zoom);
    const QRect need = QFontMetrics(font).boundingRect(room, label ? Qt::TextWordWrap : 0, ink);
    if (need.width() > room.width() || need.height() > room.height()) return false;
    control.setFont(font);
    if (auto* l = qobject_cast<QLabel*>(&control); label && l != nullptr) {
        AlignLabel(*l, need, text);
    } else if (auto* b = qobject_cast<QPushButton*>(&control)) {
        b->setText(shown);
    }
    return true;
}

}  // namespace

QByteArray CaptionKey(const QWidget& control, const QFont& base, const QString& text, bool label,
                      int zoom)
{
    const QMargins m = control.contentsMargins();
    QByteArray key = TheStored().face;
    for (const qreal part :
         {qreal(base.pixelSize()), qreal(label), qreal(control.width()), qreal(control.height()),
          qreal(m.left()), qreal(m.top()), qreal(m.right()), qreal(m.bottom()), qreal(zoom),
          control.devicePixelRatioF()}) {
        key += ' ' + QByteArray::number(part);
    }
    return key + ' ' + text.toUtf8();
}

void UseFittedCaptions(const FittedCaption* table, std::size_t count)
{
    TheStored().tables.emplace_back(table, count);
}

QByteArray CaptionFace(const QByteArray& bytes)
{
    // FNV-1a: the same on every machine, unlike Qt's seeded hashes.
    quint64 hash = 14695981039346656037ULL;
    for (const char c : bytes) hash = (hash ^ quint8(c)) * 1099511628211ULL;
    return QByteArray::number(hash, 16) + '.' + QByteArray::number(bytes.size());
}

void NoteCaptionFace(const QByteArray& face) { TheStored().face = face; }

void WatchCaptionFitting(CaptionWatch watch) { TheStored().watch = std::move(watch); }

void FitCaption(QWidget& control, const QFont& base, const QString& text, bool label, int zoom)
{
    Stored& stored = TheStored();
    if (stored.tables.empty() && !stored.watch) {
        FitAfresh(control, base, text, label, zoom);
        return;
    }
    const QByteArray key = CaptionKey(control, base, text, label, zoom);
    const FittedCaption* found = Find(key);
    if (found != nullptr && !stored.watch && TakeStored(control, base, text, label, zoom, *found))
        return;
    const QString shown = FitAfresh(control, base, text, label, zoom);
    if (!stored.watch) return;
    const QByteArray broken = shown.toUtf8();
    const QFont& font = control.font();
    stored.watch(control, key, found,
                 {"", font.pixelSize(), font.hintingPreference() == QFont::PreferFullHinting,
                  shown == text ? nullptr : broken.constData()});
}

QString FitText(QWidget& control, const QString& text, bool label, int zoom)
{
    QFont font = control.font();
    const QString ink = InkOf(text);
    const QRect room = RoomOf(control, label, zoom);
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

}  // namespace ui
