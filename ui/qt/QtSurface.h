#pragma once

#include "ui/Surface.h"
#include "ui/qt/QtPictures.h"

#include <QFont>
#include <QImage>

#include <functional>
#include <string>
#include <vector>

namespace ui {

// The persistent drawing of a window, kept in an image at the window's
// logical size: pixel reads come from here, never from the screen.
class QtSurface final : public Surface {
public:
    // `scale` device pixels to a logical one: 1 keeps pixel reads exact,
    // the screen's own ratio (times the zoom) gives crisp text.
    QtSurface(int width, int height, Picture background, Color textColor,
              const QtPictures& pictures, qreal scale = 1);

    void PaintPicture(Picture picture, int x, int y) override;
    void FillCircle(int x, int y, int radius, Color color) override;
    void SetCurrentXY(int x, int y) override;
    void Print(std::string_view text) override;
    void Clear() override;
    Color Point(int x, int y) const override;

    // Draws everything since the last Clear again at another scale: text
    // is laid out anew at the new size, never blown up.
    void SetScale(qreal scale);

    const QImage& image() const { return image_; }
    std::function<void()> onChanged;
    // The logical rectangle drawn over.
    std::function<void(const QRect&)> onDrawn;

private:
    struct Drawing {
        enum { Picture, Circle, Text } kind;
        ui::Picture picture;
        QPoint at;
        int radius;
        Color color;
        std::string text;
        QRect box;
    };
    void Draw(const Drawing& d);
    void Keep(Drawing d);
    void Changed(const QRect& box);

    QImage image_;
    Picture background_;
    Color textColor_;
    const QtPictures& pictures_;
    int currentX_ = 0;
    int currentY_ = 0;
    // What is drawn since the last Clear, but for what later drawing hides.
    std::vector<Drawing> drawn_;
};

}  // namespace ui
