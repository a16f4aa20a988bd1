#pragma once

#include "numbertext.h"
#include "ui_general.h"

#include <propertypage.h>

#include <QList>
#include <QPointer>
#include <QWidget>

// The control's own property page: Value, Enabled, Locked and OutPutFormat of the first
// selected control, reached by property name only.
class General : public QWidget, public PropertyPage
{
    Q_OBJECT
    Q_INTERFACES(PropertyPage)

public:
    explicit General(QWidget *parent = nullptr);

    QString caption() const override;
    void setPageSite(PropertyPageSite *site) override;
    void setObjects(const QList<QObject *> &objects) override;
    bool isChanged() const override { return mChanged; }
    void apply() override;

private:
    void markChanged();
    void showObject(const QObject *object);

    Ui::General ui;
    NumberText mNumberText;
    PropertyPageSite *mSite = nullptr;
    QList<QPointer<QObject>> mObjects;
    bool mChanged = false;
};
