#include "playfield.h"

namespace snake {

namespace {
// Fills the cells with the reset pattern without telling anyone.
void FillResetPattern(std::array<CellColor, kCellCount>& cells) {
    for (int index = 0; index < kCellCount; ++index) {
        cells[static_cast<std::size_t>(index)] = ResetColorOf(index);
    }
}
}  // namespace

Playfield::Playfield() {
    FillResetPattern(cells_);
}

void Playfield::SetCellColor(CellIndex index, CellColor color) {
    if (!IsOnField(index)) {
        return;
    }
    CellColor& cell = cells_[static_cast<std::size_t>(index)];
    if (cell == color) {
        return;  // nothing to repaint
    }
    cell = color;
    if (observer_ != nullptr) {
        observer_->CellChanged(index);
    }
}

CellColor Playfield::GetCellColor(CellIndex index) const {
    return IsOnField(index) ? cells_[static_cast<std::size_t>(index)] : kRed;
}

void Playfield::ResetGrid() {
    // One repaint of the field rather than one per cell: the result is the same
    // as painting every cell white and then the ring red.
    FillResetPattern(cells_);
    if (observer_ != nullptr) {
        observer_->FieldChanged();
    }
}

}  // namespace snake
