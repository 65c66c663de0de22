#include "ui/fake/FakeSurface.h"

#include <algorithm>

namespace ui {

const std::vector<Color>& PictureCache::Pixels(Picture picture)
{
    std::vector<Color>& pixels = decoded_.at(static_cast<std::size_t>(picture));
    if (pixels.empty()) {
        const PictureInfo& info = InfoOf(picture);
        pixels.reserve(static_cast<std::size_t>(info.width * info.height));
        for (int y = 0; y < info.height; ++y) {
            for (int x = 0; x < info.width; ++x) {
                // Without real pictures every picture is one dark colour.
                pixels.push_back(pictures_ != nullptr
                                     ? pictures_->PixelOf(picture, x, y)
                                     : RGB(16, 16, 16 + static_cast<int>(picture)));
            }
        }
    }
    return pixels;
}

FakeSurface::FakeSurface(int width, int height, Picture background, PictureCache& pictures)
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
    const std::vector<Color>& source = pictures_.Pixels(picture);
    const int left = std::max(0, -x);
    const int right = std::min(info.width, width_ - x);
    for (int py = std::max(0, -y); py < info.height && y + py < height_; ++py) {
        if (left >= right) break;
        std::copy(source.begin() + py * info.width + left, source.begin() + py * info.width + right,
                  pixels_.begin() + (y + py) * width_ + x + left);
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
    // Only where the background picture does not reach.
    const PictureInfo& info = InfoOf(background_);
    for (int y = 0; y < height_; ++y) {
        const int from = y < info.height ? std::min(info.width, width_) : 0;
        std::fill(pixels_.begin() + y * width_ + from, pixels_.begin() + (y + 1) * width_, Black);
    }
    PaintPicture(background_, 0, 0);
    painted.clear();
}

Color FakeSurface::Point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return White;
    return pixels_[static_cast<std::size_t>(y * width_ + x)];
}

}  // namespace ui
