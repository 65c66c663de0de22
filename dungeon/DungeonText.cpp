#include "dungeon/DungeonText.h"

#include <sstream>
#include <vector>

namespace {

constexpr std::string_view kItemLetters = ".scgktpz";

}  // namespace

Int16 ShapeOf(bool north, bool east, bool south, bool west)
{
    for (Int16 shape = 1; shape <= LastShape; ++shape) {
        if (HasDoor(shape, North) == north && HasDoor(shape, East) == east &&
            HasDoor(shape, South) == south && HasDoor(shape, West) == west) {
            return shape;
        }
    }
    return 0;
}

DungeonText ParseDungeonText(std::string_view text)
{
    DungeonText result;
    Dungeon dungeon;
    std::istringstream lines{std::string(text)};
    std::string line;
    int row = 0;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos || line.front() == '#') continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (row == Rows) {
            result.error = where + "more than 8 rows";
            return result;
        }
        std::istringstream cells(line);
        std::vector<std::string> row_cells;
        for (std::string cell; cells >> cell;) row_cells.push_back(cell);
        if (row_cells.size() != static_cast<std::size_t>(Columns)) {
            result.error =
                where + "a row needs 10 cells, this one has " + std::to_string(row_cells.size());
            return result;
        }
        for (int column = 0; column < Columns; ++column) {
            const std::string& cell = row_cells[static_cast<std::size_t>(column)];
            const auto colon = cell.find(':');
            const std::string at =
                where + "cell " + std::to_string(column + 1) + " \"" + cell + "\": ";
            if (colon == std::string::npos || colon + 2 != cell.size()) {
                result.error = at + "write it as DOORS:ITEM";
                return result;
            }
            const std::string doors = cell.substr(0, colon);
            bool side[4] = {false, false, false, false};
            if (doors != ".") {
                std::size_t next = 0;
                for (char c : doors) {
                    const auto d = std::string_view("NESW").find(c);
                    if (d == std::string_view::npos || d < next) {
                        result.error = at + "doors are letters of NESW, in that order";
                        return result;
                    }
                    side[d] = true;
                    next = d + 1;
                }
            }
            const auto item = kItemLetters.find(cell[colon + 1]);
            if (item == std::string_view::npos) {
                result.error = at + "the item is one of . s c g k t p z";
                return result;
            }
            const int room = row * Columns + column;
            dungeon.RoomType[room] = ShapeOf(side[0], side[1], side[2], side[3]);
            dungeon.RoomItem[room] = static_cast<Int16>(item);
        }
        ++row;
    }
    if (row != Rows) {
        result.error = "a dungeon has 8 rows, this one " + std::to_string(row);
        return result;
    }
    result.dungeon = dungeon;
    return result;
}
