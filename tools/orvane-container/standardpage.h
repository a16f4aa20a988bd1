#pragma once

#include <propertypage.h>

#include <QList>
#include <QListWidget>
#include <QMetaProperty>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QWidget>

// What the container's standard pages share: the selected objects, the changed state, and
// edits kept by property name until they are applied to every selected object that has the
// property.
class StandardPage : public QWidget, public PropertyPage
{
    Q_OBJECT
    Q_INTERFACES(PropertyPage)

public:
    explicit StandardPage(QWidget *parent = nullptr);

    QString caption() const override { return windowTitle(); }
    void setPageSite(PropertyPageSite *site) override { mSite = site; }
    void setObjects(const QList<QObject *> &objects) override;
    bool isChanged() const override { return !mEdits.isEmpty(); }
    void apply() override;

    // The properties this page edits, of the first object, in declaration order.
    QStringList propertyNames() const { return mNames; }

protected:
    // Whether the page edits a property of this kind.
    virtual bool takes(const QMetaProperty &property) const = 0;
    // Shows the property chosen in the page's own list.
    virtual void showProperty(const QString &name) = 0;

    // The value the page shows for a property: the edit not yet applied, or the first object's.
    QVariant currentValue(const QString &name) const;
    void edit(const QString &name, const QVariant &value);

    // For pages that list their properties: fills the list, chooses the first and shows it.
    void listProperties(QListWidget *list);
    static QString chosenProperty(const QListWidget *list);

private:
    QList<QPointer<QObject>> mObjects;
    QStringList mNames;
    QList<QPair<QString, QVariant>> mEdits;
    PropertyPageSite *mSite = nullptr;
};
