#include "ui/fake/FakeSurface.h"

namespace ui {

FakeSurface::FakeSurface(int width, int height, Picture background, const PictureSource* pictures)
    : width_(width),
      height_(height),
      background_(background),
      pictures_(pictures),
      pixels_(static_cast<std::size_t>(width * height), Black)
{
    Clear();
    clears = 0;
}

void FakeSurface::Set(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void FakeSurface::PaintPicture(Picture picture, int x, int y)
{
    painted.push_back({picture, x, y});
    const PictureInfo& info = InfoOf(picture);
    for (int py = 0; py < info.height; ++py) {
        for (int px = 0; px < info.width; ++px) {
            // Without real pictures every picture is one dark colour.
            const Color c = pictures_ != nullptr ? pictures_->PixelOf(picture, px, py)
                                                 : RGB(16, 16, 16 + static_cast<int>(picture));
            Set(x + px, y + py, c);
        }
    }
}

void FakeSurface::FillCircle(int x, int y, int radius, Color color)
{
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= radius * radius) Set(x + dx, y + dy, color);
        }
    }
}

void FakeSurface::SetCurrentXY(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void FakeSurface::Print(std::string_view text)
{
    printed.push_back({currentX_, currentY_, std::string(text)});
}

void FakeSurface::Clear()
{
    ++clears;
    printed.clear();
    std::fill(pixels_.begin(), pixels_.end(), Black);
    PaintPicture(background_, 0, 0);
    painted.clear();
}

Color FakeSurface::Point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return White;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

}  // namespace ui
