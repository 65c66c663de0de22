// The shipped pictures decoded with libpng, for the fake windows: the tests
// of the rules read the real pixels without a window system.
#pragma once

#include "ui/Pictures.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

class PngPictures final : public ui::PictureSource {
public:
    // Reads every picture of the folder; false, naming the first file that
    // is missing, unreadable or not its listed size.
    bool Load(const std::filesystem::path& folder, std::string* missing);
    ui::Color PixelOf(ui::Picture p, int x, int y) const override;

private:
    struct Image {
        int width = 0;
        int height = 0;
        std::vector<unsigned char> rgb;
    };
    std::array<Image, ui::PictureCount> images_;
};

}  // namespace testing_support
