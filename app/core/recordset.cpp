#include "recordset.h"

#include "datevalue.h"
#include "engineerror.h"
#include "sqliteconnection.h"
#include "sqlitetransaction.h"

#include <QRegularExpression>
#include <sqlite3.h>

namespace {
const QString noCurrentRecord = QStringLiteral("Aucun enregistrement en cours.");

// Finalizes a statement on every way out.
struct Statement
{
    sqlite3_stmt *handle;
    ~Statement() { sqlite3_finalize(handle); }
};

QString quoted(const QString &name)
{
    return QLatin1Char('"') + QString(name).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString fullStatement(const QString &recordSource)
{
    static const QRegularExpression tableName(QStringLiteral(R"(^\s*(\w+)\s*$)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    if (const auto match = tableName.match(recordSource); match.hasMatch())
        return QStringLiteral("SELECT * FROM ") + quoted(match.captured(1));
    return recordSource;
}

// The same statement that also reads each row's rowid first, so rows can be written back;
// empty when the statement is not a plain SELECT.
QString statementWithRowId(const QString &statement)
{
    static const QRegularExpression select(QStringLiteral(R"(^\s*SELECT\s+(?!DISTINCT\b))"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto match = select.match(statement);
    if (!match.hasMatch())
        return QString();
    return QStringLiteral("SELECT rowid, ") + statement.mid(match.capturedEnd());
}

void bindValue(SqliteConnection &connection, sqlite3_stmt *statement, int index,
               const QVariant &value, bool isDate)
{
    int result = SQLITE_OK;
    if (value.isNull()) {
        result = sqlite3_bind_null(statement, index);
    } else if (isDate &&
               (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime ||
                parseDateValue(value.toString()).isValid())) {
        const QDate date = value.typeId() == QMetaType::QString ? parseDateValue(value.toString())
                                                                : value.toDate();
        const QByteArray iso = date.toString(Qt::ISODate).toUtf8();
        result =
            sqlite3_bind_text(statement, index, iso.constData(), int(iso.size()), SQLITE_TRANSIENT);
    } else {
        switch (value.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            result = sqlite3_bind_int64(statement, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            result = sqlite3_bind_double(statement, index, value.toDouble());
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            result = sqlite3_bind_text(statement, index, text.constData(), int(text.size()),
                                       SQLITE_TRANSIENT);
        }
        }
    }
    if (result != SQLITE_OK)
        connection.raise();
}
} // namespace

Recordset::Recordset(std::shared_ptr<SqliteConnection> connection, const QString &statement)
    : mConnection(std::move(connection))
{
    load(fullStatement(statement));
}

Recordset::~Recordset() = default;

void Recordset::load(const QString &statement)
{
    sqlite3_stmt *prepared = nullptr;
    int firstField = 0;
    if (const QString withRowId = statementWithRowId(statement); !withRowId.isEmpty()) {
        const QByteArray utf8 = withRowId.toUtf8();
        if (sqlite3_prepare_v2(mConnection->handle(), utf8.constData(), int(utf8.size()), &prepared,
                               nullptr) == SQLITE_OK)
            firstField = 1;
        else
            sqlite3_finalize(std::exchange(prepared, nullptr));
    }
    if (!prepared)
        prepared = mConnection->prepare(statement);
    Statement guard{prepared};

    readColumns(prepared, firstField);
    QHash<QString, quint32> interned;
    int result;
    while ((result = sqlite3_step(prepared)) == SQLITE_ROW)
        readRow(prepared, firstField, interned);
    if (result != SQLITE_DONE)
        mConnection->raise();
    mCells.shrink_to_fit();
    mRowIds.shrink_to_fit();
    mStrings.shrink_to_fit();
    mCurrent = 0;
}

void Recordset::readColumns(void *statement, int firstField)
{
    auto *prepared = static_cast<sqlite3_stmt *>(statement);
    const int columns = sqlite3_column_count(prepared);
    for (int column = firstField; column < columns; ++column) {
        Field field;
        field.name = QString::fromUtf8(sqlite3_column_name(prepared, column));
        const char *origin = sqlite3_column_origin_name(prepared, column);
        field.column = origin ? QString::fromUtf8(origin) : QString();
        const char *declared = sqlite3_column_decltype(prepared, column);
        field.isDate = declared && qstricmp(declared, "DATE") == 0;
        if (const char *table = sqlite3_column_table_name(prepared, column); table && firstField)
            mTable = QString::fromUtf8(table);
        mFields.push_back(field);
    }
}

void Recordset::readRow(void *statement, int firstField, QHash<QString, quint32> &interned)
{
    auto *prepared = static_cast<sqlite3_stmt *>(statement);
    mRowIds.push_back(firstField ? sqlite3_column_int64(prepared, 0) : 0);
    for (size_t column = 0; column < mFields.size(); ++column)
        mCells.push_back(
            cellFromSqlite(prepared, int(column) + firstField, mFields[column], interned));
}

Recordset::Cell Recordset::cellFromSqlite(void *statement, int column, const Field &field,
                                          QHash<QString, quint32> &interned)
{
    auto *prepared = static_cast<sqlite3_stmt *>(statement);
    Cell cell;
    switch (sqlite3_column_type(prepared, column)) {
    case SQLITE_INTEGER:
        cell.kind = Cell::Kind::Integer;
        cell.integer = sqlite3_column_int64(prepared, column);
        return cell;
    case SQLITE_FLOAT:
        cell.kind = Cell::Kind::Real;
        cell.real = sqlite3_column_double(prepared, column);
        return cell;
    case SQLITE_NULL:
        return cell;
    default:
        break;
    }
    const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(prepared, column));
    const QString text = QString::fromUtf8(bytes, sqlite3_column_bytes(prepared, column));
    if (field.isDate) {
        if (const QDate date = QDate::fromString(text, Qt::ISODate); date.isValid()) {
            cell.kind = Cell::Kind::Date;
            cell.integer = date.toJulianDay();
            return cell;
        }
    }
    // Registrations, types and owners repeat from flight to flight: keep one copy of each.
    auto found = interned.constFind(text);
    if (found == interned.constEnd()) {
        found = interned.insert(text, quint32(mStrings.size()));
        mStrings.push_back(text);
    }
    cell.kind = Cell::Kind::Text;
    cell.text = *found;
    return cell;
}

QVariant Recordset::variant(const Cell &cell) const
{
    switch (cell.kind) {
    case Cell::Kind::Integer:
        return QVariant(qlonglong(cell.integer));
    case Cell::Kind::Real:
        return QVariant(cell.real);
    case Cell::Kind::Text:
        return QVariant(mStrings[cell.text]);
    case Cell::Kind::Date:
        return QVariant(QDate::fromJulianDay(cell.integer));
    case Cell::Kind::Null:
        break;
    }
    return QVariant();
}

int Recordset::fieldIndex(const QString &name) const
{
    for (size_t column = 0; column < mFields.size(); ++column) {
        if (mFields[column].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(column);
    }
    return -1;
}

int Recordset::requireField(const QString &name) const
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw EngineError(
            QStringLiteral("Élément non trouvé dans cette collection : %1").arg(name));
    return column;
}

void Recordset::requireCurrentRow() const
{
    if (mCurrentRemoved || eof() || mCurrent < 0)
        throw EngineError(noCurrentRecord);
}

void Recordset::requireWritable() const
{
    if (mTable.isEmpty())
        throw EngineError(QStringLiteral("Impossible de mettre à jour. Base de données ou objet "
                                         "en lecture seule."));
}

QVariant Recordset::field(const QString &name) const
{
    const int column = requireField(name);
    if (mEditMode != EditMode::None && mPendingSet[column])
        return mPending[column];
    if (mEditMode == EditMode::AddNew)
        return QVariant();
    requireCurrentRow();
    return variant(cell(mCurrent, column));
}

void Recordset::setField(const QString &name, const QVariant &value)
{
    const int column = requireField(name);
    if (mEditMode == EditMode::None)
        throw EngineError(QStringLiteral("Mise à jour ou annulation sans AddNew ni Edit."));
    mPending[column] = value;
    mPendingSet[column] = true;
}

QVariant Recordset::value(int row, int column) const
{
    return variant(cell(row, column));
}

void Recordset::setCurrent(int row)
{
    leaveEdit();
    mCurrentRemoved = false;
    mCurrent = std::clamp(row, -1, recordCount());
    emit currentChanged();
}

void Recordset::moveFirst()
{
    setCurrent(0);
}

void Recordset::moveNext()
{
    // After a deletion the next row already stands at the current position.
    setCurrent(mCurrentRemoved ? mCurrent : mCurrent + 1);
}

void Recordset::movePrevious()
{
    setCurrent(mCurrent - 1);
}

void Recordset::moveLast()
{
    setCurrent(recordCount() - 1);
}

void Recordset::setAbsolutePosition(int row)
{
    setCurrent(row);
}

void Recordset::leaveEdit()
{
    mEditMode = EditMode::None;
    mPending.clear();
    mPendingSet.clear();
}

void Recordset::addNew()
{
    requireWritable();
    leaveEdit();
    mEditMode = EditMode::AddNew;
    mPending.assign(mFields.size(), QVariant());
    mPendingSet.assign(mFields.size(), false);
    emit currentChanged();
}

void Recordset::edit()
{
    requireWritable();
    requireCurrentRow();
    leaveEdit();
    mEditMode = EditMode::Edit;
    mPending.assign(mFields.size(), QVariant());
    mPendingSet.assign(mFields.size(), false);
}

void Recordset::update()
{
    if (mEditMode == EditMode::None)
        throw EngineError(QStringLiteral("Mise à jour ou annulation sans AddNew ni Edit."));
    const bool adding = mEditMode == EditMode::AddNew;
    const qint64 rowId = writeRow();
    leaveEdit();
    if (adding) {
        mRowIds.push_back(rowId);
        mCells.resize(mCells.size() + mFields.size());
        rereadRow(rowId, recordCount() - 1);
    } else {
        rereadRow(rowId, mCurrent);
    }
    mLastModified = rowId;
    emit currentChanged();
}

qint64 Recordset::writeRow()
{
    QStringList columns;
    std::vector<int> written;
    for (size_t column = 0; column < mFields.size(); ++column) {
        if (!mPendingSet[column] || mFields[column].column.isEmpty())
            continue;
        columns << quoted(mFields[column].column);
        written.push_back(int(column));
    }
    const bool adding = mEditMode == EditMode::AddNew;
    if (!adding && written.empty())
        return mRowIds[mCurrent];

    QString sql;
    if (adding && written.empty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(mTable));
    } else if (adding) {
        QStringList marks;
        for (size_t i = 0; i < written.size(); ++i)
            marks << QStringLiteral("?");
        sql =
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(mTable), columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    } else {
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                  .arg(quoted(mTable), columns.join(QStringLiteral(" = ?, ")));
    }

    SqliteTransaction transaction(*mConnection);
    Statement statement{mConnection->prepare(sql)};
    int index = 1;
    for (int column : written)
        bindValue(*mConnection, statement.handle, index++, mPending[column],
                  mFields[column].isDate);
    if (!adding)
        sqlite3_bind_int64(statement.handle, index, mRowIds[mCurrent]);
    if (sqlite3_step(statement.handle) != SQLITE_DONE)
        mConnection->raise();
    if (!adding && sqlite3_changes(mConnection->handle()) == 0)
        throw EngineError(noCurrentRecord);
    const qint64 rowId =
        adding ? sqlite3_last_insert_rowid(mConnection->handle()) : mRowIds[mCurrent];
    transaction.commit();
    return rowId;
}

// Reads a written row back, so the set holds what the file holds (numbers typed as text are
// stored as numbers, the new flight gets its Num).
void Recordset::rereadRow(qint64 rowId, int row)
{
    QStringList columns;
    for (const Field &field : mFields)
        columns << (field.column.isEmpty() ? QStringLiteral("NULL") : quoted(field.column));
    Statement statement{
        mConnection->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                 .arg(columns.join(QLatin1Char(',')), quoted(mTable)))};
    sqlite3_bind_int64(statement.handle, 1, rowId);
    if (sqlite3_step(statement.handle) != SQLITE_ROW)
        mConnection->raise();
    QHash<QString, quint32> interned;
    for (size_t column = 0; column < mFields.size(); ++column)
        mCells[size_t(row) * mFields.size() + column] =
            cellFromSqlite(statement.handle, int(column), mFields[column], interned);
}

void Recordset::cancelUpdate()
{
    if (mEditMode == EditMode::None)
        throw EngineError(QStringLiteral("Mise à jour ou annulation sans AddNew ni Edit."));
    leaveEdit();
    emit currentChanged();
}

void Recordset::remove()
{
    requireWritable();
    requireCurrentRow();
    leaveEdit();
    SqliteTransaction transaction(*mConnection);
    Statement statement{
        mConnection->prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(mTable)))};
    sqlite3_bind_int64(statement.handle, 1, mRowIds[mCurrent]);
    if (sqlite3_step(statement.handle) != SQLITE_DONE)
        mConnection->raise();
    transaction.commit();

    const auto first = mCells.begin() + qsizetype(mCurrent) * qsizetype(mFields.size());
    mCells.erase(first, first + qsizetype(mFields.size()));
    mRowIds.erase(mRowIds.begin() + mCurrent);
    mCurrentRemoved = true;
}

qint64 Recordset::bookmark() const
{
    requireCurrentRow();
    return mRowIds[mCurrent];
}

void Recordset::setBookmark(qint64 bookmark)
{
    const auto found = std::find(mRowIds.begin(), mRowIds.end(), bookmark);
    if (found == mRowIds.end())
        throw EngineError(QStringLiteral("Signet non valide."));
    setCurrent(int(found - mRowIds.begin()));
}
