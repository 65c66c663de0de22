#include "tools/RenderDungeon.h"

#include "dungeon/Grid.h"
#include "tools/ToolTexts.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr int kMarker = 16;  // an item's picture on the map, in the room's body
constexpr QColor kLegendText(0xEE, 0xDE, 0xB4);

QPoint CellOf(int room)
{
    const grid::Point corner = grid::RoomCorner(room);
    return {corner.x, corner.y};
}

// The hallway piece the game paints on walking from `room` to its neighbour
// on side `d`.
void DrawHallway(QPainter& painter, const ui::QtPictures& pictures, int room, Direction d)
{
    const Direction walked = d;
    const auto hall = grid::HallCorner(grid::RoomCorner(NeighbourOf(room, d)), walked);
    painter.drawImage(QPoint(hall->x, hall->y),
                      pictures.Image(ui::imgHall(grid::HallPicture(walked))));
}

ui::Picture PictureOf(Int16 item)
{
    switch (item) {
    case ItemSerum: return ui::Picture::Serum;
    case ItemSpell: return ui::Picture::Spell;
    case ItemGold: return ui::Picture::Gold;
    case ItemSkeleton: return ui::imgSkeleton(0);
    case ItemThief: return ui::Picture::Thief;
    case ItemTeleport: return ui::Picture::Teleport;
    default: return ui::Picture::Gorvak0;
    }
}

// The item's own picture, shrunk without smoothing so it stays pixel art,
// centred on a 16 x 16 box at `at`.
void DrawMarker(QPainter& painter, const ui::QtPictures& pictures, Int16 item, QPoint at)
{
    const QImage small = pictures.Image(PictureOf(item))
                             .scaled(kMarker, kMarker, Qt::KeepAspectRatio, Qt::FastTransformation);
    painter.drawImage(at.x() + (kMarker - small.width()) / 2,
                      at.y() + (kMarker - small.height()) / 2, small);
}

// The main window's room marker: a one-pixel yellow ring around the cell.
void DrawStartRing(QPainter& painter, QRect box)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(grid::MarkerYellow.r, grid::MarkerYellow.g, grid::MarkerYellow.b));
    painter.drawEllipse(box.adjusted(0, 0, -1, -1));
}

// Two rows of four in the button panel: what each marker means.
void DrawLegend(QPainter& painter, const ui::QtPictures& pictures)
{
    painter.setFont(QGuiApplication::font());
    painter.setPen(kLegendText);
    const QFontMetrics metrics(painter.font());
    for (int i = 0; i < 8; ++i) {
        const QPoint at(40 + (i % 4) * 150, 416 + (i / 4) * 30);
        if (i == 0) {
            DrawStartRing(painter, QRect(at.x() - 3, at.y() - 3, 22, 22));
            painter.setPen(kLegendText);
        } else {
            DrawMarker(painter, pictures, static_cast<Int16>(i), at);
        }
        const std::string_view name = tooltexts::LegendNames[static_cast<std::size_t>(i)];
        painter.drawText(at.x() + kMarker + 10,
                         at.y() + (kMarker + metrics.ascent() - metrics.descent()) / 2,
                         QString::fromUtf8(name.data(), static_cast<int>(name.size())));
    }
}

}  // namespace

QImage RenderMap(const Dungeon& dungeon, const ui::QtPictures& pictures)
{
    QImage image = pictures.Image(ui::Picture::Gorvak).copy();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int r = 0; r < RoomCount; ++r) {
        const Int16 shape = dungeon.RoomType[r];
        if (shape < 1 || shape > LastShape) continue;
        painter.drawImage(CellOf(r), pictures.Image(ui::imgRoom(shape - 1)));
    }
    // Walking through a door paints the piece between the two rooms, over
    // both tiles, whichever side the door is on; so once everything has been
    // walked a one-way door shows a hallway like any other.
    for (int r = 0; r < RoomCount; ++r) {
        for (Direction d : {South, East}) {
            if (LeadsOffMap(r, d)) continue;
            const int next = NeighbourOf(r, d);
            if (HasDoor(dungeon.RoomType[r], d) ||
                HasDoor(dungeon.RoomType[next], grid::Opposite(d))) {
                DrawHallway(painter, pictures, r, d);
            }
        }
    }
    for (int r = 0; r < RoomCount; ++r) {
        const Int16 item = dungeon.RoomItem[r];
        if (dungeon.RoomType[r] == 0 || item <= ItemNone || item > LastItem) continue;
        DrawMarker(painter, pictures, item, CellOf(r) + QPoint(8, 8));
    }
    const QPoint start = CellOf(StartRoom);
    DrawStartRing(painter, QRect(start.x() - 4, start.y() - 4, 42, 40));
    return image;
}

QImage RenderDungeon(const Dungeon& dungeon, const ui::QtPictures& pictures)
{
    QImage image = RenderMap(dungeon, pictures);
    QPainter painter(&image);
    DrawLegend(painter, pictures);
    return image;
}

QImage Thumbnail(const Dungeon& dungeon, const ui::QtPictures& pictures, int size)
{
    // The grid with half a gap around it: a whole number of cells each way.
    const int margin = (grid::Pitch - grid::CellSize) / 2;
    const QImage map = RenderMap(dungeon, pictures)
                           .copy(grid::Left - margin, grid::Top - margin, Columns * grid::Pitch,
                                 Rows * grid::Pitch);
    const int whole = (size + map.width() - 1) / map.width();
    const QImage big =
        map.scaled(map.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (big.width() == size) return big;
    return big.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
