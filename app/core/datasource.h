#pragma once

#include "recordset.h"

#include <functional>
#include <memory>
#include <QObject>
#include <vector>

class QLineEdit;
class SqliteConnection;

// A window's data-source object: a database file, a record source (a statement or a table
// name) and the record set opened from them, with the controls bound to its fields.
class DataSource : public QObject
{
    Q_OBJECT

public:
    explicit DataSource(QObject *parent = nullptr);
    ~DataSource() override;

    void setConnect(const QString &connect) { mConnect = connect; }
    QString connect() const { return mConnect; }
    void setDatabaseName(const QString &path) { mDatabaseName = path; }
    QString databaseName() const { return mDatabaseName; }
    void setRecordSource(const QString &source) { mRecordSource = source; }
    QString recordSource() const { return mRecordSource; }

    // Opens a new record set from the current settings, on its first row.
    void refresh();
    Recordset &recordset() { return *mRecordset; }

    // A control that shows the current row's value of a field and that updateRecord() reads.
    void bind(const QString &field, std::function<QVariant()> read,
              std::function<void(const QVariant &)> show);
    void bind(QLineEdit *box, const QString &field);

    // Writes the bound controls' values into the current row and saves it.
    void updateRecord();

signals:
    void refreshed();

private:
    struct Binding
    {
        QString field;
        std::function<QVariant()> read;
        std::function<void(const QVariant &)> show;
    };

    void showCurrentRow();

    QString mConnect;
    QString mDatabaseName;
    QString mRecordSource;
    std::shared_ptr<SqliteConnection> mConnection;
    std::unique_ptr<Recordset> mRecordset;
    std::vector<Binding> mBindings;
};
