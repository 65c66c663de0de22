// The pictures on Qt: the start-up check reads only each PNG's header, and a
// window's background goes straight into its map image.
#include "support/GameFixture.h"

#include "ui/qt/QtPictures.h"

#include <QImage>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class QtPicturesTest : public testing::Test {
protected:
    QtPicturesTest()
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy(testing_support::AssetsFolder() / "pictures", folder);
    }
    ~QtPicturesTest() override { fs::remove_all(folder); }

    QString Folder() const { return QString::fromStdString(folder.string()); }
    fs::path File(ui::Picture p) const { return folder / std::string(ui::InfoOf(p).file); }

    const fs::path folder =
        fs::temp_directory_path() / ("gorvak-pictures-" + std::to_string(::getpid()));
    ui::QtPictures pictures;
};

TEST_F(QtPicturesTest, TheShippedPicturesPassTheCheck)
{
    QString missing;
    EXPECT_TRUE(pictures.Load(Folder(), &missing)) << missing.toStdString();
}

TEST_F(QtPicturesTest, AMissingPictureIsNamed)
{
    fs::remove(File(ui::Picture::Gorvak));
    QString missing;
    EXPECT_FALSE(pictures.Load(Folder(), &missing));
    EXPECT_TRUE(missing.endsWith(QString::fromUtf8(ui::InfoOf(ui::Picture::Gorvak).file.data())))
        << missing.toStdString();
}

TEST_F(QtPicturesTest, APictureOfTheWrongSizeIsRefused)
{
    QImage small(7, 5, QImage::Format_RGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(QString::fromStdString(File(ui::Picture::Gorvak).string()), "PNG"));
    EXPECT_FALSE(pictures.Load(Folder()));
}

TEST_F(QtPicturesTest, AFileThatIsNotAPngOrIsCutShortIsRefused)
{
    {
        std::ofstream(File(ui::Picture::Gorvak), std::ios::binary)
            << "GIF89a, not a PNG at all......";
    }
    EXPECT_FALSE(pictures.Load(Folder()));
    // A real header cut off before the height.
    const fs::path real = testing_support::AssetsFolder() / "pictures" /
        std::string(ui::InfoOf(ui::Picture::Gorvak).file);
    std::ifstream in(real, std::ios::binary);
    std::string head(20, '\0');
    in.read(head.data(), 20);
    {
        std::ofstream(File(ui::Picture::Gorvak), std::ios::binary) << head;
    }
    EXPECT_FALSE(pictures.Load(Folder()));
}

TEST_F(QtPicturesTest, TheBackgroundIsDecodedIntoTheTargetAndCarriesOnBeyond)
{
    ASSERT_TRUE(pictures.Load(Folder()));
    const QImage reference = QImage(QString::fromStdString(File(ui::Picture::Gorvak).string()))
                                 .convertToFormat(QImage::Format_RGB32);
    QImage target(650, 485, QImage::Format_RGB32);  // larger than the picture both ways
    target.fill(Qt::green);
    const uchar* before = target.constBits();
    pictures.PaintBackground(ui::Picture::Gorvak, target);
    EXPECT_EQ(target.constBits(), before) << "painted in place, not replaced";
    EXPECT_EQ(target.copy(0, 0, reference.width(), reference.height()), reference);
    const QRgb beyond = reference.pixel(0, reference.height() - 1);
    EXPECT_EQ(target.pixel(649, 0), beyond);
    EXPECT_EQ(target.pixel(640, 479), beyond);
    EXPECT_EQ(target.pixel(0, 480), beyond);
    EXPECT_EQ(target.pixel(649, 484), beyond);
}

TEST_F(QtPicturesTest, AScaledBackgroundIsPaintedAtItsLogicalSize)
{
    ASSERT_TRUE(pictures.Load(Folder()));
    const QImage& picture = pictures.Image(ui::Picture::Gorvak);
    QImage target(1280, 962, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    pictures.PaintBackground(ui::Picture::Gorvak, target);
    EXPECT_EQ(target.pixel(2 * 100 + 1, 2 * 50 + 1), picture.pixel(100, 50));
    EXPECT_EQ(target.pixel(1279, 961), picture.pixel(0, picture.height() - 1));
}

TEST_F(QtPicturesTest, APictureThatWentBadAfterTheCheckPaintsADarkBlock)
{
    ASSERT_TRUE(pictures.Load(Folder()));
    {
        std::ofstream(File(ui::Picture::Gorvak), std::ios::binary | std::ios::trunc) << "gone";
    }
    QImage target(640, 481, QImage::Format_RGB32);
    target.fill(Qt::green);
    pictures.PaintBackground(ui::Picture::Gorvak, target);
    EXPECT_EQ(target.pixel(10, 10), qRgb(32, 26, 34));
    EXPECT_EQ(target.pixel(639, 480), qRgb(32, 26, 34));
}

}  // namespace
