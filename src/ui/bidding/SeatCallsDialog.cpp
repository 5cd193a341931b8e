#include "ui/bidding/SeatCallsDialog.h"

#include "bidding/CallText.h"
#include "ui/common/Text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace corvane::ui {

TextGrid SeatCallRows(const TableAuction& auction, TSeat seat) {
    TextGrid rows;
    TSeat caller = auction.Dealer();
    for (const TableCall& call : auction.Calls()) {
        if (caller == seat) rows.push_back({CallDisplayText(call.Code), call.Explanation});
        caller = NextSeat(caller);
    }
    return rows;
}

SeatCallsDialog::SeatCallsDialog(const TableAuction& auction, TSeat seat, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SeatCalls"));
    const QString name = FromCore(SeatNames[seat]);
    setWindowTitle(name + QStringLiteral("'s Bids"));
    auto* layout = new QVBoxLayout(this);
    const TextGrid rows = SeatCallRows(auction, seat);
    if (rows.empty()) layout->addWidget(new QLabel(name + QStringLiteral(" has made no call yet."), this));
    grid_ = new MarkupGrid(this);
    grid_->setObjectName(QStringLiteral("SeatCallsGrid"));
    grid_->SetCells(rows);
    grid_->setColumnCount(2);  // an empty list still has its two columns
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int r = 0; r < grid_->rowCount(); ++r) grid_->SetCellAlignment(r, 1, Qt::AlignLeft | Qt::AlignVCenter);
    grid_->setVisible(!rows.empty());
    layout->addWidget(grid_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 260);
}

}  // namespace corvane::ui
