#include "fieldpainter.h"

#include <QPainter>
#include <algorithm>

namespace snake {

void PaintField(QPainter& painter, const Playfield& field, const QRect& area) {
    // The frame, the grid lines and the cells' outlines are all black, so one black fill
    // covers them; then only the 7 x 7 inside of each cell in the area is coloured.
    painter.fillRect(area, Qt::black);

    const int firstColumn =
        std::clamp((area.left() - kGridOrigin - 1) / kCellPitch, 0, kColumns - 1);
    const int lastColumn =
        std::clamp((area.right() - kGridOrigin - 1) / kCellPitch, 0, kColumns - 1);
    const int firstRow = std::clamp((area.top() - kGridOrigin - 1) / kCellPitch, 0, kColumns - 1);
    const int lastRow = std::clamp((area.bottom() - kGridOrigin - 1) / kCellPitch, 0, kColumns - 1);

    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const CellIndex index = IndexOf(row, column);
            painter.fillRect(CellRect(index).adjusted(1, 1, -1, -1),
                             ToQColor(field.GetCellColor(index)));
        }
    }
}

}  // namespace snake
