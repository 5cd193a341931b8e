// A grid of text cells that draws "~" suit markup in colour: the auction, the double-dummy table
// and the score pads all use it.
#pragma once

#include <QTableWidget>

#include <string>
#include <vector>

namespace corvane::ui {

using TextGrid = std::vector<std::vector<std::string>>;

// Any rows of string cells (fixed arrays from the core included) as a TextGrid.
template <class Rows>
TextGrid ToTextGrid(const Rows& rows) {
    TextGrid grid;
    for (const auto& row : rows) grid.emplace_back(row.begin(), row.end());
    return grid;
}

class MarkupGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit MarkupGrid(QWidget* parent = nullptr);

    // Rows of 8-bit cells from the core; the grid takes the widest row's column count.
    void SetCells(const TextGrid& cells);
    QString CellMarkup(int row, int column) const;
    void SetCellAlignment(int row, int column, Qt::Alignment alignment);
    void SetCellFont(int row, int column, const QFont& font);
    // Heights and widths to fit the contents, without scroll bars when the grid is small.
    void FitToContents();
};

}  // namespace corvane::ui
