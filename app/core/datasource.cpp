#include "datasource.h"

#include "sqliteconnection.h"

#include <QLineEdit>

DataSource::DataSource(QObject *parent)
    : QObject(parent)
    , mRecordset(std::make_unique<Recordset>())
{}

DataSource::~DataSource() = default;

void DataSource::refresh()
{
    if (!mConnection || mConnection->path() != mDatabaseName)
        mConnection = std::make_shared<SqliteConnection>(mDatabaseName);
    auto recordset = std::make_unique<Recordset>(mConnection, mRecordSource);
    mRecordset = std::move(recordset);
    QObject::connect(mRecordset.get(), &Recordset::currentChanged, this,
                     &DataSource::showCurrentRow);
    showCurrentRow();
    emit refreshed();
}

void DataSource::bind(const QString &field, std::function<QVariant()> read,
                      std::function<void(const QVariant &)> show)
{
    mBindings.push_back({field, std::move(read), std::move(show)});
}

void DataSource::bind(QLineEdit *box, const QString &field)
{
    bind(
        field, [box] { return QVariant(box->text()); },
        [box](const QVariant &value) { box->setText(value.toString()); });
}

void DataSource::showCurrentRow()
{
    const Recordset &set = *mRecordset;
    const bool onRow = set.editMode() == Recordset::EditMode::AddNew ||
                       (!set.eof() && set.absolutePosition() >= 0);
    for (const Binding &binding : mBindings)
        binding.show(onRow ? set.field(binding.field) : QVariant());
}

void DataSource::updateRecord()
{
    Recordset &set = *mRecordset;
    if (set.editMode() == Recordset::EditMode::None)
        set.edit();
    for (const Binding &binding : mBindings)
        set.setField(binding.field, binding.read());
    set.update();
}
