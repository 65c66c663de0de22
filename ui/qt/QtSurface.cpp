#include "ui/qt/QtSurface.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace ui {

QtSurface::QtSurface(int width, int height, Picture background, Color textColor,
                     const QtPictures& pictures, qreal scale)
    : image_(qCeil(width * scale), qCeil(height * scale), QImage::Format_RGB32),
      background_(background),
      textColor_(textColor),
      pictures_(pictures)
{
    image_.setDevicePixelRatio(scale);
    Clear();
}

void QtSurface::SetScale(qreal scale)
{
    if (qFuzzyCompare(scale, image_.devicePixelRatio())) return;
    const QSize logical = image_.deviceIndependentSize().toSize();
    image_ = QImage(qCeil(logical.width() * scale), qCeil(logical.height() * scale),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(scale);
    pictures_.PaintBackground(background_, image_);
    for (const Drawing& d : drawn_) Draw(d);
    Changed(QRect(QPoint(0, 0), logical));
}

void QtSurface::Changed(const QRect& box)
{
    if (onChanged) onChanged();
    if (onDrawn) onDrawn(box);
}

void QtSurface::Keep(Drawing d)
{
    // Nothing drawn since the last clear: the window's own background at
    // its corner changes no pixel. A new game paints it so, and would
    // decode the largest picture a second time before the first paint.
    const bool unchanged = drawn_.empty() && d.kind == Drawing::Picture &&
        d.picture == background_ && d.at == QPoint(0, 0);
    if (!unchanged) Draw(d);
    // Dice and blinks are drawn over and over in one place: only the last
    // of them counts.
    std::erase_if(drawn_, [&d](const Drawing& old) { return d.box.contains(old.box); });
    drawn_.push_back(std::move(d));
    Changed(drawn_.back().box);
}

void QtSurface::Draw(const Drawing& d)
{
    if (d.kind == Drawing::Picture) {
        pictures_.Paint(d.picture, image_, d.at);
        return;
    }
    QPainter painter(&image_);
    switch (d.kind) {
    case Drawing::Picture: break;
    case Drawing::Circle: {
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QColor c(d.color.r, d.color.g, d.color.b);
        painter.setPen(c);
        painter.setBrush(c);
        painter.drawEllipse(d.at, d.radius, d.radius);
        break;
    }
    case Drawing::Text: {
        painter.setPen(QColor(d.color.r, d.color.g, d.color.b));
        const QFontMetrics metrics(painter.font());
        int y = d.at.y();
        for (const QString& line : QString::fromStdString(d.text).split(QStringLiteral("\r\n"))) {
            painter.drawText(d.at.x(), y + metrics.ascent(), line);
            y += metrics.height();
        }
        break;
    }
    }
}

void QtSurface::PaintPicture(Picture picture, int x, int y)
{
    const PictureInfo& info = InfoOf(picture);
    Keep({Drawing::Picture, picture, {x, y}, 0, {}, {}, QRect(x, y, info.width, info.height)});
}

void QtSurface::FillCircle(int x, int y, int radius, Color color)
{
    Keep({Drawing::Circle,
          {},
          {x, y},
          radius,
          color,
          {},
          QRect(x - radius, y - radius, 2 * radius + 1, 2 * radius + 1)});
}

void QtSurface::SetCurrentXY(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void QtSurface::Print(std::string_view text)
{
    const QFontMetrics metrics{QFont()};
    const QStringList lines =
        QString::fromUtf8(text.data(), static_cast<int>(text.size())).split(QStringLiteral("\r\n"));
    int width = 0;
    for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
    // Glyphs may reach a little past their advance.
    const QRect box(currentX_ - 2, currentY_, width + 4,
                    metrics.height() * static_cast<int>(lines.size()) + 1);
    Keep({Drawing::Text, {}, {currentX_, currentY_}, 0, textColor_, std::string(text), box});
}

void QtSurface::Clear()
{
    drawn_.clear();
    // Where the window is larger than its picture, the picture's bottom-left
    // colour carries on.
    pictures_.PaintBackground(background_, image_);
    Changed(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

Color QtSurface::Point(int x, int y) const
{
    const qreal scale = image_.devicePixelRatio();
    const int px = qFloor(x * scale);
    const int py = qFloor(y * scale);
    if (x < 0 || y < 0 || !image_.valid(px, py)) return White;
    const QRgb c = image_.pixel(px, py);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}

}  // namespace ui
