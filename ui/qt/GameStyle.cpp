#include "ui/qt/GameStyle.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

#include <algorithm>

namespace ui {

namespace {

const QColor Ink(0x20, 0x1A, 0x22);
const QColor Wood(0x38, 0x22, 0x18);
const QColor Brass(0x8A, 0x4A, 0x18);

// A game window drawn larger draws its buttons' frames larger too, as it
// does its pictures.
int ZoomOf(const QWidget* widget)
{
    return widget == nullptr ? 1 : std::max(1, widget->window()->property(ZoomProperty).toInt());
}

// The platform's own style for everything but push buttons, which get a
// parchment face in a dark frame with rounded corners. A proxy style rather
// than a style sheet: no style-sheet engine, rule cache or per-widget
// polish, and the same look.
class GameStyle final : public QProxyStyle {
public:
    void polish(QWidget* widget) override
    {
        QProxyStyle::polish(widget);
        if (qobject_cast<QPushButton*>(widget) != nullptr) widget->setAttribute(Qt::WA_Hover);
    }
    using QProxyStyle::polish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelButtonCommand) {
            DrawButton(*option, *painter, ZoomOf(widget));
            return;
        }
        // Focus shows as the frame's colour, not a dotted outline.
        if (element == PE_FrameFocusRect && qobject_cast<const QPushButton*>(widget) != nullptr)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        if (metric == PM_ButtonShiftHorizontal || metric == PM_ButtonShiftVertical) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override
    {
        // The caption has all but the two-pixel frame.
        if (element == SE_PushButtonContents) {
            const int frame = 2 * ZoomOf(widget);
            return option->rect.adjusted(frame, frame, -frame, -frame);
        }
        return QProxyStyle::subElementRect(element, option, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override
    {
        if (type != CT_PushButton)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        QSize size = contents + QSize(4, 4);
        // A message box's buttons are wide enough to hit easily.
        if (widget != nullptr && qobject_cast<const QMessageBox*>(widget->window()) != nullptr) {
            size = size.expandedTo(QSize(72 + 4, 26 + 4));
        }
        return size;
    }

private:
    static void DrawButton(const QStyleOption& option, QPainter& painter, int zoom)
    {
        const bool enabled = (option.state & State_Enabled) != 0;
        const bool pressed = (option.state & (State_Sunken | State_On)) != 0;
        const bool hovered = (option.state & State_MouseOver) != 0;
        const bool focused = (option.state & State_HasFocus) != 0;
        const QRectF outer = QRectF(option.rect);
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        QBrush face;
        if (!enabled) {
            face = QColor(0xB9, 0xA2, 0x7A);
        } else if (pressed) {
            face = QColor(0xC4, 0xA6, 0x72);
        } else {
            QLinearGradient gradient(outer.topLeft(), outer.bottomLeft());
            gradient.setColorAt(0, hovered ? QColor(0xFF, 0xF4, 0xD6) : QColor(0xF4, 0xE6, 0xC0));
            gradient.setColorAt(1, hovered ? QColor(0xE4, 0xCC, 0x9C) : QColor(0xD6, 0xBA, 0x88));
            face = gradient;
        }
        const QColor frame = !enabled ? QColor(0x6A, 0x50, 0x38) : focused ? Brass : Wood;
        QPen pen(frame, 2 * zoom);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(face);
        painter.drawRoundedRect(outer.adjusted(zoom, zoom, -zoom, -zoom), 3 * zoom, 3 * zoom);
        painter.restore();
    }
};

}  // namespace

void ApplyGameStyle()
{
    // The platform's palette, before the style could put its own in.
    QPalette palette = QApplication::palette();
    QApplication::setStyle(new GameStyle);  // the application owns it
    palette.setColor(QPalette::Window, QColor(0xD6, 0xBA, 0x88));
    palette.setColor(QPalette::WindowText, Ink);
    palette.setColor(QPalette::Button, QColor(0xEE, 0xDE, 0xB4));
    palette.setColor(QPalette::ButtonText, Ink);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8C, 0x7A, 0x5C));
    QApplication::setPalette(palette);
}

}  // namespace ui
