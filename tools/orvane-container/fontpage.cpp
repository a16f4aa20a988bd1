#include "fontpage.h"

#include <QFont>
#include <QSignalBlocker>

FontPage::FontPage(QWidget *parent)
    : StandardPage(parent)
{
    ui.setupUi(this);
    connect(ui.cmbProperty, &QComboBox::currentTextChanged, this, &FontPage::showProperty);
    connect(ui.cmbFont, &QFontComboBox::currentFontChanged, this, &FontPage::fontEdited);
    connect(ui.spnSize, &QDoubleSpinBox::valueChanged, this, &FontPage::fontEdited);
    for (QCheckBox *box : {ui.chkBold, ui.chkItalic, ui.chkUnderline, ui.chkStrikeOut})
        connect(box, &QCheckBox::toggled, this, &FontPage::fontEdited);
}

bool FontPage::takes(const QMetaProperty &property) const
{
    return property.metaType().id() == QMetaType::QFont;
}

void FontPage::setObjects(const QList<QObject *> &objects)
{
    StandardPage::setObjects(objects);
    const QSignalBlocker blocker(ui.cmbProperty);
    ui.cmbProperty->clear();
    ui.cmbProperty->addItems(propertyNames());
    setEnabled(!propertyNames().isEmpty());
    showProperty(ui.cmbProperty->currentText());
}

void FontPage::showProperty(const QString &name)
{
    if (name.isEmpty())
        return;
    const QFont font = currentValue(name).value<QFont>();
    // Filling the fields in is not an edit.
    mShowing = true;
    ui.cmbFont->setCurrentFont(font);
    ui.spnSize->setValue(font.pointSizeF() > 0 ? font.pointSizeF() : 8.25);
    ui.chkBold->setChecked(font.bold());
    ui.chkItalic->setChecked(font.italic());
    ui.chkUnderline->setChecked(font.underline());
    ui.chkStrikeOut->setChecked(font.strikeOut());
    ui.lblSample->setFont(font);
    mShowing = false;
}

QFont FontPage::chosenFont() const
{
    QFont font = currentValue(ui.cmbProperty->currentText()).value<QFont>();
    font.setFamilies({ui.cmbFont->currentFont().family()});
    font.setPointSizeF(ui.spnSize->value());
    font.setBold(ui.chkBold->isChecked());
    font.setItalic(ui.chkItalic->isChecked());
    font.setUnderline(ui.chkUnderline->isChecked());
    font.setStrikeOut(ui.chkStrikeOut->isChecked());
    return font;
}

void FontPage::fontEdited()
{
    if (mShowing || ui.cmbProperty->currentText().isEmpty())
        return;
    const QFont font = chosenFont();
    ui.lblSample->setFont(font);
    edit(ui.cmbProperty->currentText(), font);
}
