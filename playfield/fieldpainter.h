// Drawing the field: the black frame and the cells, all from the model's state.
#pragma once

#include <QColor>
#include <QRect>

#include "playfield.h"

class QPainter;

namespace snake {

inline constexpr int kClientSize = 377;  // the window's client area is this square, in pixels
inline constexpr int kGridOrigin = 8;    // top-left pixel of cell 0
inline constexpr int kCellPitch = 8;     // neighbouring cells share their outline
inline constexpr int kCellSize = 9;      // outline included

// Where the "Start!" button stands over the field.
inline constexpr QRect kStartButtonRect{144, 168, 89, 33};

// The pixels of cell `index`, outline included.
constexpr QRect CellRect(int index) {
    return {kGridOrigin + kCellPitch * ColumnOf(index), kGridOrigin + kCellPitch * RowOf(index),
            kCellSize, kCellSize};
}

// The screen colour of a cell colour held as 0xBBGGRR.
inline QColor ToQColor(CellColor color) {
    return QColor(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8) & 0xFFU),
                  static_cast<int>((color >> 16) & 0xFFU));
}

// Paints the part of the client area inside `area`: frame, grid lines and cell fills.
void PaintField(QPainter& painter, const Playfield& field, const QRect& area);

}  // namespace snake
