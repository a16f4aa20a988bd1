#include "picturepage.h"

#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QSignalBlocker>

namespace {

QPixmap pictureOf(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QImage)
        return QPixmap::fromImage(value.value<QImage>());
    return value.value<QPixmap>();
}

} // namespace

PicturePage::PicturePage(QWidget *parent)
    : StandardPage(parent)
{
    ui.setupUi(this);
    connect(ui.lstProperties, &QListWidget::currentTextChanged, this, &PicturePage::showProperty);
    connect(ui.cmdBrowse, &QPushButton::clicked, this, &PicturePage::browse);
    connect(ui.cmdClear, &QPushButton::clicked, this, &PicturePage::clearPicture);
}

bool PicturePage::takes(const QMetaProperty &property) const
{
    const int type = property.metaType().id();
    return type == QMetaType::QPixmap || type == QMetaType::QImage;
}

void PicturePage::setObjects(const QList<QObject *> &objects)
{
    StandardPage::setObjects(objects);
    listProperties(ui.lstProperties);
}

QString PicturePage::currentProperty() const
{
    return chosenProperty(ui.lstProperties);
}

void PicturePage::showProperty(const QString &name)
{
    const QPixmap picture = name.isEmpty() ? QPixmap() : pictureOf(currentValue(name));
    ui.imgPreview->setPixmap(picture);
    ui.imgPreview->setText(picture.isNull() ? QStringLiteral("(Aucune)") : QString());
}

void PicturePage::browse()
{
    if (currentProperty().isEmpty())
        return;
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format));
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Charger une image"), QString(),
        QStringLiteral("Images (%1)").arg(patterns.join(QLatin1Char(' '))), nullptr,
        QFileDialog::DontUseNativeDialog);
    if (path.isEmpty())
        return;
    const QImage image(path);
    if (image.isNull()) {
        QMessageBox::warning(
            this, QStringLiteral("Images"),
            QStringLiteral("Le fichier « %1 » n'est pas une image lisible.").arg(path));
        return;
    }
    setPicture(QPixmap::fromImage(image));
}

void PicturePage::clearPicture()
{
    if (!currentProperty().isEmpty())
        setPicture(QPixmap());
}

void PicturePage::setPicture(const QPixmap &picture)
{
    edit(currentProperty(), picture);
    showProperty(currentProperty());
}
