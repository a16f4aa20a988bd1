#include "standardpage.h"

#include <QMetaObject>
#include <QSignalBlocker>

StandardPage::StandardPage(QWidget *parent)
    : QWidget(parent)
{}

void StandardPage::setObjects(const QList<QObject *> &objects)
{
    mObjects.clear();
    for (QObject *object : objects)
        mObjects.append(object);
    mEdits.clear();
    mNames.clear();
    if (objects.isEmpty())
        return;
    // The control's own properties: those of QWidget are not the designer's to set here.
    const QMetaObject *meta = objects.first()->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.isWritable() && takes(property))
            mNames.append(QString::fromLatin1(property.name()));
    }
}

QVariant StandardPage::currentValue(const QString &name) const
{
    for (const auto &entry : mEdits) {
        if (entry.first == name)
            return entry.second;
    }
    QObject *first = mObjects.isEmpty() ? nullptr : mObjects.first().data();
    return first ? first->property(name.toLatin1().constData()) : QVariant();
}

void StandardPage::edit(const QString &name, const QVariant &value)
{
    mEdits.removeIf([&name](const auto &entry) { return entry.first == name; });
    mEdits.append({name, value});
    if (mSite)
        mSite->pageChanged();
}

void StandardPage::apply()
{
    for (const auto &entry : std::as_const(mEdits)) {
        const QByteArray name = entry.first.toLatin1();
        for (const QPointer<QObject> &object : std::as_const(mObjects)) {
            // Objects of other kinds in the selection may lack the property.
            if (object && object->metaObject()->indexOfProperty(name.constData()) >= 0)
                object->setProperty(name.constData(), entry.second);
        }
    }
    mEdits.clear();
}

void StandardPage::listProperties(QListWidget *list)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(mNames);
    setEnabled(!mNames.isEmpty());
    list->setCurrentRow(0);
    showProperty(chosenProperty(list));
}

QString StandardPage::chosenProperty(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}
