// The game's text is drawn from the bundled face itself, even where the
// machine has a face of the same family and style installed.
#include "support/GameFixture.h"

#include "ui/qt/GameFont.h"

#include <QApplication>
#include <QFile>
#include <QRawFont>
#include <QtEndian>

namespace {

// The glyph count in a font's maxp table: the bundled subset has a few
// hundred, a full CJK face tens of thousands.
int GlyphCount(const QByteArray& maxp)
{
    if (maxp.size() < 6) return -1;
    return qFromBigEndian<quint16>(maxp.constData() + 4);
}

TEST(GameFont, TextIsDrawnFromTheBundledFace)
{
    const QString folder =
        QString::fromStdString((testing_support::AssetsFolder() / "fonts").string());
    ASSERT_TRUE(ui::LoadGameFont(folder));
    const QRawFont bundled(folder + QStringLiteral("/NotoSansCJKhk-Game.otf"), 12);
    ASSERT_TRUE(bundled.isValid());
    const QRawFont used = QRawFont::fromFont(QApplication::font());
    ASSERT_TRUE(used.isValid());
    EXPECT_EQ(GlyphCount(used.fontTable("maxp")), GlyphCount(bundled.fontTable("maxp")));
    EXPECT_EQ(QApplication::font().family(), QStringLiteral("Noto Sans CJK HK"));
    // A smaller size for a caption that does not fit keeps the same face.
    QFont smaller = QApplication::font();
    smaller.setPixelSize(9);
    EXPECT_EQ(GlyphCount(QRawFont::fromFont(smaller).fontTable("maxp")),
              GlyphCount(bundled.fontTable("maxp")));
}

TEST(GameFont, AMissingFontFileIsReported)
{
    EXPECT_FALSE(ui::LoadGameFont(QStringLiteral("/nonexistent/fonts")));
}

}  // namespace
