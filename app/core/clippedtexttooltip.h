#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual and, when a cell's text does not fit its column, shows the whole text as
// the cell's tool tip. The logbook's columns keep their set widths, so a long aircraft type or
// owner stays readable without widening the column.
class ClippedTextToolTip : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // Whether the cell's text needs more room than the cell gives it.
    bool textIsClipped(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
