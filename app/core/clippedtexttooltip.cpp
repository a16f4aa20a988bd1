#include "clippedtexttooltip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

bool ClippedTextToolTip::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                   const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (textIsClipped(option, index))
        QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view,
                           option.rect);
    else
        QToolTip::hideText();
    return true;
}

bool ClippedTextToolTip::textIsClipped(const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (cell.text.isEmpty())
        return false;
    const QWidget *widget = cell.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget);
    // The style keeps a margin on each side of the text, as it does when it draws the cell.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return cell.fontMetrics.horizontalAdvance(cell.text) > textRect.width() - 2 * margin;
}
