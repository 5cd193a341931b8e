#include "ui/common/MarkupGrid.h"

#include "ui/common/Text.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace corvane::ui {

namespace {

class MarkupDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString markup = plain.text;
        plain.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style) style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        painter->save();
        painter->setFont(plain.font);
        const QColor ink = plain.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                     : QPalette::Text);
        const QVariant foreground = index.data(Qt::ForegroundRole);
        PaintMarkup(*painter, option.rect.adjusted(3, 0, -3, 0), int(plain.displayAlignment), markup,
                    foreground.isValid() ? foreground.value<QBrush>().color() : ink);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QFontMetrics metrics(plain.font);
        return QSize(MarkupWidth(metrics, plain.text) + 8, metrics.height() + 4);
    }
};

}  // namespace

MarkupGrid::MarkupGrid(QWidget* parent) : QTableWidget(parent) {
    setItemDelegate(new MarkupDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->hide();
    horizontalHeader()->hide();
    setShowGrid(true);
}

void MarkupGrid::SetCells(const TextGrid& cells) {
    size_t columns = 0;
    for (const auto& row : cells) columns = std::max(columns, row.size());
    setRowCount(int(cells.size()));
    setColumnCount(int(columns));
    for (size_t r = 0; r < cells.size(); ++r) {
        for (size_t c = 0; c < columns; ++c) {
            const QString text = c < cells[r].size() ? FromCore(cells[r][c]) : QString();
            QTableWidgetItem* cell = item(int(r), int(c));
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignCenter);
                setItem(int(r), int(c), cell);
            }
            cell->setText(text);
        }
    }
}

QString MarkupGrid::CellMarkup(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void MarkupGrid::SetCellAlignment(int row, int column, Qt::Alignment alignment) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setTextAlignment(alignment);
}

void MarkupGrid::SetCellFont(int row, int column, const QFont& font) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setFont(font);
}

void MarkupGrid::FitToContents() {
    resizeColumnsToContents();
    resizeRowsToContents();
    int width = 2 * frameWidth(), height = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
    for (int r = 0; r < rowCount(); ++r) height += rowHeight(r);
    setMinimumSize(width, std::min(height, 400));
}

}  // namespace corvane::ui
