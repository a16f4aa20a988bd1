#pragma once

#include <memory>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <vector>

class SqliteConnection;

// The rows of one query, read at once and held compactly, with a current row and the edit
// operations the windows need. No statement or read transaction stays open: each write goes
// by rowid, with bound values, in a transaction of its own.
class Recordset : public QObject
{
    Q_OBJECT

public:
    enum class EditMode { None, Edit, AddNew };

    Recordset() = default;
    Recordset(std::shared_ptr<SqliteConnection> connection, const QString &statement);
    ~Recordset() override;

    bool eof() const { return mCurrent >= recordCount(); }
    bool bof() const { return mCurrent < 0 || recordCount() == 0; }
    int recordCount() const { return int(mRowIds.size()); }
    int absolutePosition() const { return mCurrent; }

    int fieldCount() const { return int(mFields.size()); }
    QString fieldName(int column) const { return mFields[column].name; }
    int fieldIndex(const QString &name) const; // -1 when the set has no such field

    // The current row's value, or the pending value while a row is being edited or added.
    QVariant field(const QString &name) const;
    void setField(const QString &name, const QVariant &value);
    // Any row's value, for the grid.
    QVariant value(int row, int column) const;

    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    void setAbsolutePosition(int row);

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void remove();
    EditMode editMode() const { return mEditMode; }

    qint64 bookmark() const;
    void setBookmark(qint64 bookmark);
    qint64 lastModified() const { return mLastModified; }

signals:
    void currentChanged();

private:
    struct Field
    {
        QString name;
        QString column; // name in the table
        bool isDate = false;
    };
    struct Cell
    {
        enum class Kind : quint8 { Null, Integer, Real, Text, Date };
        Kind kind = Kind::Null;
        union
        {
            qint64 integer;
            double real;
            quint32 text; // index into mStrings
        };
    };

    void load(const QString &statement);
    void readColumns(void *statement, int firstField);
    void readRow(void *statement, int firstField, QHash<QString, quint32> &interned);
    Cell cellFromSqlite(void *statement, int column, const Field &field,
                        QHash<QString, quint32> &interned);
    QVariant variant(const Cell &cell) const;
    const Cell &cell(int row, int column) const
    {
        return mCells[size_t(row) * mFields.size() + column];
    }
    int requireField(const QString &name) const;
    void requireCurrentRow() const;
    void requireWritable() const;
    qint64 writeRow();
    void rereadRow(qint64 rowId, int row);
    void setCurrent(int row);
    void leaveEdit();

    std::shared_ptr<SqliteConnection> mConnection;
    QString mTable;
    std::vector<Field> mFields;
    std::vector<Cell> mCells;
    std::vector<qint64> mRowIds;
    std::vector<QString> mStrings;
    int mCurrent = 0;
    bool mCurrentRemoved = false;
    EditMode mEditMode = EditMode::None;
    std::vector<QVariant> mPending;
    std::vector<bool> mPendingSet;
    qint64 mLastModified = 0;
};
