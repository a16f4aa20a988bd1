#pragma once

#include "ui_propertypageframe.h"

#include <propertypage.h>

#include <QDialog>
#include <QList>

// The container's property-page dialog: one tab per page the first selected control names,
// its library's own pages beside the container's standard ones, with OK, Annuler and
// Appliquer. Appliquer is enabled only while a page has changes.
class PropertyPageFrame : public QDialog, public PropertyPageSite
{
    Q_OBJECT

public:
    explicit PropertyPageFrame(const QList<QObject *> &objects, QWidget *parent = nullptr);

    // The pages the frame holds, in tab order.
    QList<PropertyPage *> pages() const { return mPages; }

    void pageChanged() override;

    // Applies every page that has changes.
    void applyPages();

private:
    QWidget *makePage(QObject *control, const QString &name);
    void updateApply();

    Ui::PropertyPageFrame ui;
    QList<PropertyPage *> mPages;
};
