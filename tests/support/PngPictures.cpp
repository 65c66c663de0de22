#include "support/PngPictures.h"

#include <png.h>

namespace testing_support {

bool PngPictures::Load(const std::filesystem::path& folder, std::string* missing)
{
    for (int i = 0; i < ui::PictureCount; ++i) {
        const ui::PictureInfo& info = ui::InfoOf(static_cast<ui::Picture>(i));
        const std::string path = (folder / info.file).string();
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        Image& image = images_[static_cast<std::size_t>(i)];
        bool read = png_image_begin_read_from_file(&png, path.c_str()) != 0 &&
            static_cast<int>(png.width) == info.width &&
            static_cast<int>(png.height) == info.height;
        if (read) {
            png.format = PNG_FORMAT_RGB;
            image = {info.width, info.height, std::vector<unsigned char>(PNG_IMAGE_SIZE(png))};
            read = png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) != 0;
        }
        png_image_free(&png);
        if (!read) {
            if (missing != nullptr) *missing = path;
            return false;
        }
    }
    return true;
}

ui::Color PngPictures::PixelOf(ui::Picture p, int x, int y) const
{
    const Image& image = images_.at(static_cast<std::size_t>(p));
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return ui::RGB(image.rgb.at(at), image.rgb.at(at + 1), image.rgb.at(at + 2));
}

}  // namespace testing_support
