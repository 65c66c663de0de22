#pragma once

#include "ui/Surface.h"

#include <string>
#include <vector>

namespace ui {

// A pixel buffer that copies real pictures from a PictureSource, and keeps
// the texts printed on it (with their places) instead of drawing glyphs.
// Decoded once per picture source, so that games in their thousands
// (the play-testing bot, the fuzzer) do not ask for every pixel each time.
class PictureCache {
public:
    explicit PictureCache(const PictureSource* pictures)
        : pictures_(pictures)
    {
    }
    const std::vector<Color>& Pixels(Picture picture);

private:
    const PictureSource* pictures_;
    std::vector<std::vector<Color>> decoded_ = std::vector<std::vector<Color>>(PictureCount);
};

class FakeSurface final : public Surface {
public:
    struct Printed {
        int x;
        int y;
        std::string text;
    };

    FakeSurface(int width, int height, Picture background, PictureCache& pictures);

    void PaintPicture(Picture picture, int x, int y) override;
    void FillCircle(int x, int y, int radius, Color color) override;
    void SetCurrentXY(int x, int y) override;
    void Print(std::string_view text) override;
    void Clear() override;
    Color Point(int x, int y) const override;

    std::vector<Printed> printed;
    struct Painted {
        Picture picture;
        int x;
        int y;
    };
    std::vector<Painted> painted;  // every picture, in order
    int clears = 0;

private:
    void Set(int x, int y, Color c);

    int width_;
    int height_;
    Picture background_;
    PictureCache& pictures_;
    std::vector<Color> pixels_;
    int currentX_ = 0;
    int currentY_ = 0;
};

}  // namespace ui
