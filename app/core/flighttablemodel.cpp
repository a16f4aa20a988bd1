#include "flighttablemodel.h"

#include "datasource.h"

#include <QColor>
#include <QDate>

FlightTableModel::FlightTableModel(DataSource &source, QObject *parent)
    : QAbstractTableModel(parent)
    , mSource(source)
{
    connect(&mSource, &DataSource::refreshed, this, &FlightTableModel::reset);
}

void FlightTableModel::reset()
{
    beginResetModel();
    mColoredCell.reset();
    endResetModel();
}

int FlightTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mSource.recordset().recordCount();
}

int FlightTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mSource.recordset().fieldCount();
}

QVariant FlightTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::BackgroundRole) {
        const QColor color = cellBackground(index);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const QVariant value = mSource.recordset().value(index.row(), index.column());
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return value;
}

QVariant FlightTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QVariant();
    if (orientation == Qt::Horizontal)
        return mSource.recordset().fieldName(section);
    return QVariant();
}

void FlightTableModel::setCellBackground(const QModelIndex &index, const QColor &color)
{
    if (!index.isValid())
        return;
    const std::pair cell{index.row(), index.column()};
    if (color.isValid()) {
        if (mColoredCell && *mColoredCell != cell) {
            const QModelIndex previous = this->index(mColoredCell->first, mColoredCell->second);
            mColoredCell = cell;
            emit dataChanged(previous, previous, {Qt::BackgroundRole});
        }
        mColoredCell = cell;
        mColor = color;
    } else if (mColoredCell == cell) {
        mColoredCell.reset();
    }
    emit dataChanged(index, index, {Qt::BackgroundRole});
}

QColor FlightTableModel::cellBackground(const QModelIndex &index) const
{
    if (mColoredCell && *mColoredCell == std::pair{index.row(), index.column()})
        return mColor;
    return QColor();
}
