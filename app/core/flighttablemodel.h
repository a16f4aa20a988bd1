#pragma once

#include <optional>
#include <QAbstractTableModel>
#include <QColor>

class DataSource;

// The grid's view of a data source's record set: one row per record under a header of the
// field names, dates as dd/mm/yyyy. It reads the rows where they are, so it stays fast at any
// size, and is reset whenever the data source is refreshed.
class FlightTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit FlightTableModel(DataSource &source, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The background of one cell; an invalid colour gives the grid's normal colour back.
    void setCellBackground(const QModelIndex &index, const QColor &color);
    QColor cellBackground(const QModelIndex &index) const;

private:
    void reset();

    DataSource &mSource;
    std::optional<std::pair<int, int>> mColoredCell;
    QColor mColor;
};
