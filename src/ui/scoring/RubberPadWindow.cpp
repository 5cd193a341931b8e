#include "ui/scoring/RubberPadWindow.h"

#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace corvane::ui {

namespace {

// The pad is drawn like paper: no cell grid, one rule between the sides and one under the
// above-the-line rows.
class PadGrid : public MarkupGrid {
public:
    using MarkupGrid::MarkupGrid;

protected:
    void paintEvent(QPaintEvent* event) override {
        MarkupGrid::paintEvent(event);
        if (rowCount() <= RubberPadLineRow || columnCount() < 3) return;
        QPainter painter(viewport());
        painter.setPen(QPen(QColor(30, 30, 120), 2));
        const int lineY = rowViewportPosition(RubberPadLineRow) + rowHeight(RubberPadLineRow);
        painter.drawLine(columnViewportPosition(1), lineY, viewport()->width(), lineY);
        const int splitX = columnViewportPosition(2);
        painter.drawLine(splitX, rowViewportPosition(2), splitX, viewport()->height());
    }
};

}  // namespace

RubberPadWindow::RubberPadWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Rubber Score Pad"));
    auto* layout = new QVBoxLayout(this);
    grid_ = new PadGrid(this);
    grid_->setObjectName(QStringLiteral("RubberPad"));
    grid_->setShowGrid(false);
    grid_->setStyleSheet(QStringLiteral("QTableWidget { background: #fffdf0; }"));
    layout->addWidget(grid_);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    SetPad(TextGrid(RubberPadRows, std::vector<std::string>(3)));
}

void RubberPadWindow::SetPad(const TextGrid& cells, int gameRow) {
    grid_->SetCells(cells);
    grid_->setColumnWidth(0, 220);
    grid_->setColumnWidth(1, 90);
    grid_->setColumnWidth(2, 90);
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < grid_->columnCount(); ++c) grid_->SetCellFont(2, c, bold);
    for (int r = 0; r < grid_->rowCount(); ++r) {
        for (int c = 0; c < grid_->columnCount(); ++c) {
            if (QTableWidgetItem* cell = grid_->item(r, c)) {
                cell->setBackground(r == gameRow ? QColor(255, 240, 170) : QColor(Qt::transparent));
                if (c == 0) cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            }
        }
    }
    grid_->resizeRowsToContents();
    setMinimumSize(440, 360);
}

}  // namespace corvane::ui
