#include "general.h"

#include <olecolor.h>

namespace {

void setTextColor(QLabel *label, quint32 oleColor)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, OleColor::toColor(oleColor));
    label->setPalette(palette);
}

} // namespace

General::General(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    setTextColor(ui.lblValue, 0xC0u);
    setTextColor(ui.lblOutputFormat, 0x40C0u);
    // The list is sorted, so position n holds output format n.
    for (int format = 0; format < ui.cmbOutputFormat->count(); ++format)
        ui.cmbOutputFormat->setItemData(format, format);
    ui.cmbOutputFormat->setCurrentIndex(-1);

    // Only the user's edits count as changes, not the page filling itself in.
    connect(ui.chkEnabled, &QCheckBox::clicked, this, &General::markChanged);
    connect(ui.chkLocked, &QCheckBox::clicked, this, &General::markChanged);
    connect(ui.cmbOutputFormat, &QComboBox::activated, this, &General::markChanged);
    connect(ui.txtValue, &QLineEdit::textEdited, this, &General::markChanged);
}

QString General::caption() const
{
    return windowTitle();
}

void General::setPageSite(PropertyPageSite *site)
{
    mSite = site;
}

void General::setObjects(const QList<QObject *> &objects)
{
    mObjects.clear();
    for (QObject *object : objects)
        mObjects.append(object);
    mChanged = false;
    if (!objects.isEmpty())
        showObject(objects.first());
}

void General::showObject(const QObject *object)
{
    ui.chkLocked->setChecked(object->property("Locked").toBool());
    ui.chkEnabled->setChecked(object->property("Enabled").toBool());
    // A format outside the list selects nothing rather than a wrong item.
    bool ok = false;
    const int format = object->property("OutPutFormat").toInt(&ok);
    ui.cmbOutputFormat->setCurrentIndex(ok ? ui.cmbOutputFormat->findData(format) : -1);
    ui.txtValue->setText(mNumberText.generalText(object->property("Value").toDouble()));
}

void General::markChanged()
{
    mChanged = true;
    if (mSite)
        mSite->pageChanged();
}

void General::apply()
{
    QObject *object = mObjects.isEmpty() ? nullptr : mObjects.first().data();
    mChanged = false;
    if (!object)
        return;
    object->setProperty("Locked", ui.chkLocked->isChecked());
    object->setProperty("Enabled", ui.chkEnabled->isChecked());
    // No list selection (a format the list does not hold) leaves the control's format alone.
    if (ui.cmbOutputFormat->currentIndex() >= 0)
        object->setProperty("OutPutFormat", ui.cmbOutputFormat->currentData().toInt());
    // Read in the user's locale, as the control reads its own text; a text that is not a number
    // leaves Value as it was.
    if (const auto value = mNumberText.read(ui.txtValue->text()))
        object->setProperty("Value", *value);
}
