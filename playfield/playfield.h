// The playing field: 45 x 45 coloured cells that are both the display and the board.
// This is the model only; it needs no display and knows nothing of Qt.
#pragma once

#include <array>
#include <cstdint>

namespace snake {

// A cell's index: row * 45 + column, row 0 at the top, column 0 at the left.
using CellIndex = std::int16_t;
// A cell's colour as 0xBBGGRR: red in the low byte, blue in the high byte.
using CellColor = std::uint32_t;

inline constexpr int kColumns = 45;  // cells in a row, and rows in the field
inline constexpr int kCellCount = kColumns * kColumns;
inline constexpr CellIndex kLastCell = kCellCount - 1;

inline constexpr CellColor kWhite = 0xFFFFFF;  // empty
inline constexpr CellColor kRed = 0x0000FF;    // wall
inline constexpr CellColor kGreen = 0x00FF00;  // snake
inline constexpr CellColor kBlue = 0xFF0000;   // food

// One step of the head in each direction, in cell indexes.
inline constexpr CellIndex kStepLeft = -1;
inline constexpr CellIndex kStepRight = 1;
inline constexpr CellIndex kStepUp = -kColumns;
inline constexpr CellIndex kStepDown = kColumns;

constexpr int RowOf(int index) {
    return index / kColumns;
}
constexpr int ColumnOf(int index) {
    return index % kColumns;
}
constexpr CellIndex IndexOf(int row, int column) {
    return static_cast<CellIndex>(row * kColumns + column);
}
constexpr bool IsOnField(int index) {
    return index >= 0 && index < kCellCount;
}

// The red ring: the top and bottom rows and the left and right columns.
constexpr bool IsBorderCell(int index) {
    const int row = RowOf(index);
    const int column = ColumnOf(index);
    return row == 0 || row == kColumns - 1 || column == 0 || column == kColumns - 1;
}

// The colour every cell has after ResetGrid, and when the window opens.
constexpr CellColor ResetColorOf(int index) {
    return IsBorderCell(index) ? kRed : kWhite;
}

// Told about every change of a cell's colour, so a view can repaint just that cell.
class PlayfieldObserver {
  public:
    virtual ~PlayfieldObserver() = default;
    virtual void CellChanged(CellIndex index) = 0;
    virtual void FieldChanged() = 0;  // many cells at once: repaint the whole field
};

class Playfield {
  public:
    Playfield();  // the cells already show the reset pattern

    // Out-of-field indexes are ignored on write and read as wall.
    void SetCellColor(CellIndex index, CellColor color);
    CellColor GetCellColor(CellIndex index) const;

    // Every cell white, then the border ring red.
    void ResetGrid();

    void SetObserver(PlayfieldObserver* observer) { observer_ = observer; }

  private:
    std::array<CellColor, kCellCount> cells_{};
    PlayfieldObserver* observer_ = nullptr;
};

}  // namespace snake
