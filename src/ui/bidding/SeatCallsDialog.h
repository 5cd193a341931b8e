// The calls one seat made in the auction, each with what it shows, opened from the auction
// review ("&North's Bids" .. "&West's Bids").
#pragma once

#include "table/TableAuction.h"
#include "ui/common/MarkupGrid.h"

#include <QDialog>

namespace corvane::ui {

// One row per call of `seat`, in the order made: the call in display form and its explanation.
TextGrid SeatCallRows(const TableAuction& auction, TSeat seat);

class SeatCallsDialog : public QDialog {
    Q_OBJECT
public:
    SeatCallsDialog(const TableAuction& auction, TSeat seat, QWidget* parent = nullptr);

    MarkupGrid* Grid() const { return grid_; }

private:
    MarkupGrid* grid_;
};

}  // namespace corvane::ui
