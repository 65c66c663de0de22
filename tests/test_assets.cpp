// The shipped pictures and sounds: every file there, at its size and in a
// format the game reads.
#include "support/GameFixture.h"

#include "sound/Sound.h"

#include <QImage>

#include <fstream>

namespace {

TEST(ShippedAssets, EveryPictureHasItsSize)
{
    for (int i = 0; i < ui::PictureCount; ++i) {
        const ui::PictureInfo& info = ui::InfoOf(static_cast<ui::Picture>(i));
        const QImage image(QString::fromStdString(
            (testing_support::AssetsFolder() / "pictures" / std::string(info.file)).string()));
        ASSERT_FALSE(image.isNull()) << info.file;
        EXPECT_EQ(image.width(), info.width) << info.file;
        EXPECT_EQ(image.height(), info.height) << info.file;
        EXPECT_FALSE(image.hasAlphaChannel()) << info.file;
    }
}

TEST(ShippedAssets, EverySoundIsAShortMonoPcmWave)
{
    for (std::string_view name : sound::SoundFiles) {
        std::ifstream in(testing_support::AssetsFolder() / "audio" / std::string(name),
                         std::ios::binary);
        ASSERT_TRUE(in) << name;
        std::array<char, 44> header{};
        in.read(header.data(), header.size());
        EXPECT_EQ(std::string(header.data(), 4), "RIFF") << name;
        EXPECT_EQ(std::string(header.data() + 8, 4), "WAVE") << name;
        EXPECT_EQ(header[20], 1) << name << ": PCM";
        EXPECT_EQ(header[22], 1) << name << ": mono";
        in.seekg(0, std::ios::end);
        EXPECT_LT(in.tellg(), 100000) << name << ": a short effect";
    }
}

}  // namespace
