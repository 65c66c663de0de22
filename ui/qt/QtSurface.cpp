#include "ui/qt/QtSurface.h"

#include <QPainter>
#include <QtMath>

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

void QtSurface::Changed()
{
    if (onChanged) onChanged();
}

void QtSurface::PaintPicture(Picture picture, int x, int y)
{
    QPainter painter(&image_);
    painter.drawImage(x, y, pictures_.Image(picture));
    Changed();
}

void QtSurface::FillCircle(int x, int y, int radius, Color color)
{
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor c(color.r, color.g, color.b);
    painter.setPen(c);
    painter.setBrush(c);
    painter.drawEllipse(QPoint(x, y), radius, radius);
    Changed();
}

void QtSurface::SetCurrentXY(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void QtSurface::Print(std::string_view text)
{
    QPainter painter(&image_);
    painter.setPen(QColor(textColor_.r, textColor_.g, textColor_.b));
    const QFontMetrics metrics(painter.font());
    const QStringList lines =
        QString::fromUtf8(text.data(), static_cast<int>(text.size())).split(QStringLiteral("\r\n"));
    int y = currentY_;
    for (const QString& line : lines) {
        painter.drawText(currentX_, y + metrics.ascent(), line);
        y += metrics.height();
    }
    Changed();
}

void QtSurface::Clear()
{
    // Where the window is larger than its picture, the picture's bottom-left
    // colour carries on.
    pictures_.PaintBackground(background_, image_);
    Changed();
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
