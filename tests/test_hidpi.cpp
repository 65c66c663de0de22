// The real windows on a high-density screen (QT_SCALE_FACTOR set by ctest,
// 2 or 1.5): the map stays pixel-sharp, reads stay logical, clicks land on
// the same rooms, and text is drawn at the screen's resolution.
#include "support/GameFixture.h"
#include "support/QtSupport.h"

#include "exploration/frmStatus.h"
#include "ui/Clock.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtWindowSystem.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <set>

using testing_support::OpenDungeon;
using testing_support::ShippedPictures;

namespace {

class HighDpiTest : public testing_support::GameTest {
protected:
    HighDpiTest()
    {
        ui::LoadGameFont(
            QString::fromStdString((testing_support::AssetsFolder() / "fonts").string()));
        WriteDungeon(OpenDungeon());
        real = std::make_unique<frmGorvak>(Services{qt, realClock, random, quiet});
        real->DungeonFile = "Dungeon.gvk";
        real->InitObjects();
        real->InitGame();
        real->form().ShowModeless(nullptr);
        window = static_cast<ui::QtForm&>(real->form()).widget();
    }

    qreal Scale() const { return window->devicePixelRatioF(); }
    QImage Shown() const { return window->grab().toImage(); }

    ui::QtWindowSystem qt{testing_support::ShippedQtPictures(), GameSystemTexts()};
    ui::SystemClock realClock;
    sound::FakeSound quiet;
    std::unique_ptr<frmGorvak> real;
    QWidget* window = nullptr;
};

TEST_F(HighDpiTest, TheScreenReallyIsDense)
{
    EXPECT_GT(Scale(), 1.0);
    EXPECT_EQ(window->size(), QSize(640, 481)) << "the window stays 640 x 481 logical pixels";
}

TEST_F(HighDpiTest, EveryMapPixelBecomesASharpBlock)
{
    const QImage shown = Shown();
    const qreal s = Scale();
    ASSERT_EQ(shown.width(), qCeil(640 * s));
    const ui::Surface& map = real->form().surface();
    // The map area, marker aside (it is drawn at the screen's resolution).
    int checked = 0;
    for (int dy = qCeil(50 * s); dy < qFloor(398 * s); ++dy) {
        for (int dx = qCeil(106 * s); dx < qFloor(540 * s); ++dx) {
            const int lx = static_cast<int>(dx / s);
            const int ly = static_cast<int>(dy / s);
            if (lx >= 318 && lx <= 368 && ly >= 218 && ly <= 266) continue;  // the marker
            const ui::Color logical = map.Point(lx, ly);
            const QColor device = shown.pixelColor(dx, dy);
            ASSERT_EQ(QColor(logical.r, logical.g, logical.b), device)
                << "device pixel " << dx << "," << dy << " is no copy of logical " << lx << ","
                << ly;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100000);
}

TEST_F(HighDpiTest, PixelReadsStayLogicalAndClicksLandOnTheSameRooms)
{
    const ui::Surface& map = real->form().surface();
    EXPECT_EQ(map.Point(326, 226), ui::White);
    EXPECT_EQ(map.Point(326 + 12, 226 + 1), ui::RGB(255, 85, 85));
    EXPECT_EQ(map.Point(106, 50), ui::RGB(168, 0, 0));
    random.PushDraw(10, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(342, 286));
    EXPECT_EQ(real->stats.CurrentRoom, 55);
    EXPECT_EQ(map.Point(326, 270), ui::White) << "room 55 painted where a logical read finds it";
}

TEST_F(HighDpiTest, TextWindowsDrawAtTheScreensResolution)
{
    ui::Form& status = real->StatusWindow().form();
    status.Load();
    auto& surface = static_cast<ui::QtSurface&>(status.surface());
    EXPECT_DOUBLE_EQ(surface.image().devicePixelRatio(), Scale());
    EXPECT_EQ(surface.image().width(), qCeil(202 * Scale()));
    surface.SetCurrentXY(50, 50);
    surface.Print("生命值: 50");
    // Crisp glyphs have edges finer than a logical pixel: some device pixel
    // differs from its neighbour inside one logical pixel.
    const QImage& image = surface.image();
    bool finer = false;
    for (int y = qCeil(50 * Scale()); y < qCeil(64 * Scale()) && !finer; ++y) {
        for (int x = qCeil(50 * Scale()); x + 1 < qCeil(110 * Scale()) && !finer; x += 2) {
            finer = image.pixel(x, y) != image.pixel(x + 1, y);
        }
    }
    EXPECT_TRUE(finer);
    status.Unload();
}

}  // namespace
