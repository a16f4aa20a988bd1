#include "colorpage.h"

#include <olecolor.h>

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace {

enum ColorSet { PaletteSet = 0, SystemSet = 1 };

struct NamedColor
{
    const char *name;
    quint32 ole;
};

// OLE colours: blue, green and red bytes from high to low.
constexpr NamedColor paletteColors[] = {
    {"Noir", 0x000000},        {"Bleu foncé", 0x800000},
    {"Vert foncé", 0x008000},  {"Bleu-vert foncé", 0x808000},
    {"Rouge foncé", 0x000080}, {"Violet", 0x800080},
    {"Olive", 0x008080},       {"Gris clair", 0xC0C0C0},
    {"Gris", 0x808080},        {"Bleu", 0xFF0000},
    {"Vert", 0x00FF00},        {"Cyan", 0xFFFF00},
    {"Rouge", 0x0000FF},       {"Magenta", 0xFF00FF},
    {"Jaune", 0x00FFFF},       {"Blanc", 0xFFFFFF},
};

// The system colours by index.
constexpr const char *systemColorNames[] = {
    "Barre de défilement",
    "Bureau",
    "Barre de titre active",
    "Barre de titre inactive",
    "Barre de menus",
    "Arrière-plan de la fenêtre",
    "Cadre de la fenêtre",
    "Texte des menus",
    "Texte de la fenêtre",
    "Texte de la barre de titre active",
    "Bordure active",
    "Bordure inactive",
    "Espace de travail de l'application",
    "Surbrillance",
    "Texte en surbrillance",
    "Face des boutons",
    "Ombre des boutons",
    "Texte désactivé",
    "Texte des boutons",
    "Texte de la barre de titre inactive",
    "Surbrillance des boutons",
    "Ombre foncée 3D",
    "Lumière 3D",
    "Texte des info-bulles",
    "Arrière-plan des info-bulles",
};

QIcon swatch(quint32 ole)
{
    QPixmap pixmap(16, 16);
    const QColor color = OleColor::toColor(ole);
    pixmap.fill(color.isValid() ? color : Qt::transparent);
    QPainter painter(&pixmap);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

ColorPage::ColorPage(QWidget *parent)
    : StandardPage(parent)
{
    ui.setupUi(this);
    connect(ui.lstProperties, &QListWidget::currentTextChanged, this, &ColorPage::showProperty);
    connect(ui.cmbPalette, &QComboBox::currentIndexChanged, this, [this](int set) {
        fillColors(set);
        showProperty(currentProperty());
    });
    connect(ui.lstColors, &QListWidget::itemClicked, this, &ColorPage::colorPicked);
    connect(ui.lstColors, &QListWidget::itemActivated, this, &ColorPage::colorPicked);
    connect(ui.cmdCustom, &QPushButton::clicked, this, &ColorPage::chooseOther);
    fillColors(PaletteSet);
}

bool ColorPage::takes(const QMetaProperty &property) const
{
    return property.metaType().id() == QMetaType::UInt &&
           QByteArray(property.name()).endsWith("Color");
}

void ColorPage::setObjects(const QList<QObject *> &objects)
{
    StandardPage::setObjects(objects);
    listProperties(ui.lstProperties);
}

QString ColorPage::currentProperty() const
{
    return chosenProperty(ui.lstProperties);
}

void ColorPage::fillColors(int set)
{
    ui.lstColors->clear();
    if (set == SystemSet) {
        quint32 index = 0;
        for (const char *name : systemColorNames) {
            const quint32 ole = OleColor::systemFlag | index++;
            auto *item = new QListWidgetItem(swatch(ole), QString::fromUtf8(name), ui.lstColors);
            item->setData(Qt::UserRole, ole);
        }
        return;
    }
    for (const NamedColor &color : paletteColors) {
        auto *item =
            new QListWidgetItem(swatch(color.ole), QString::fromUtf8(color.name), ui.lstColors);
        item->setData(Qt::UserRole, color.ole);
    }
}

void ColorPage::showProperty(const QString &name)
{
    if (name.isEmpty())
        return;
    const quint32 ole = currentValue(name).toUInt();
    const int set = OleColor::isSystemColor(ole) ? SystemSet : PaletteSet;
    mShowing = true;
    if (ui.cmbPalette->currentIndex() != set) {
        const QSignalBlocker blocker(ui.cmbPalette);
        ui.cmbPalette->setCurrentIndex(set);
        fillColors(set);
    }
    selectColor(ole);
    mShowing = false;
}

void ColorPage::selectColor(quint32 ole)
{
    ui.lstColors->setCurrentRow(-1);
    for (int row = 0; row < ui.lstColors->count(); ++row) {
        if (ui.lstColors->item(row)->data(Qt::UserRole).toUInt() == ole)
            ui.lstColors->setCurrentRow(row);
    }
}

void ColorPage::colorPicked()
{
    const QListWidgetItem *item = ui.lstColors->currentItem();
    if (mShowing || !item || currentProperty().isEmpty())
        return;
    edit(currentProperty(), item->data(Qt::UserRole).toUInt());
}

void ColorPage::chooseOther()
{
    const QString name = currentProperty();
    if (name.isEmpty())
        return;
    const QColor start = OleColor::toColor(currentValue(name).toUInt());
    const QColor color = QColorDialog::getColor(start, this, QStringLiteral("Autre couleur"));
    if (!color.isValid())
        return;
    const quint32 ole = OleColor::fromColor(color);
    edit(name, ole);
    selectColor(ole);
}
