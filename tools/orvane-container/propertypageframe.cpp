#include "propertypageframe.h"

#include "colorpage.h"
#include "fontpage.h"
#include "picturepage.h"

PropertyPageFrame::PropertyPageFrame(const QList<QObject *> &objects, QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    QObject *first = objects.isEmpty() ? nullptr : objects.first();
    if (first)
        setWindowTitle(QStringLiteral("Propriétés de %1").arg(first->objectName()));
    for (const QString &name : PropertyPages::namesOf(first)) {
        QWidget *widget = makePage(first, name);
        auto *page = qobject_cast<PropertyPage *>(widget);
        if (!page) {
            // A page that cannot be made is left out; the others still work.
            delete widget;
            continue;
        }
        page->setPageSite(this);
        page->setObjects(objects);
        ui.tabPages->addTab(widget, page->caption());
        mPages.append(page);
    }
    connect(ui.cmdOk, &QPushButton::clicked, this, [this] {
        applyPages();
        accept();
    });
    connect(ui.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui.cmdApply, &QPushButton::clicked, this, &PropertyPageFrame::applyPages);
    updateApply();
}

QWidget *PropertyPageFrame::makePage(QObject *control, const QString &name)
{
    if (name == QLatin1String(PropertyPages::standardFont))
        return new FontPage(this);
    if (name == QLatin1String(PropertyPages::standardColor))
        return new ColorPage(this);
    if (name == QLatin1String(PropertyPages::standardPicture))
        return new PicturePage(this);
    return PropertyPages::createOf(control, name, this);
}

void PropertyPageFrame::pageChanged()
{
    updateApply();
}

void PropertyPageFrame::applyPages()
{
    for (PropertyPage *page : std::as_const(mPages)) {
        if (page->isChanged())
            page->apply();
    }
    updateApply();
}

void PropertyPageFrame::updateApply()
{
    bool changed = false;
    for (const PropertyPage *page : std::as_const(mPages))
        changed = changed || page->isChanged();
    ui.cmdApply->setEnabled(changed);
}
