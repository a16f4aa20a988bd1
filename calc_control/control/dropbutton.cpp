#include "dropbutton.h"

#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {
// The mask colour: pixels of this grey are not drawn.
constexpr QRgb maskColor = qRgb(0xC0, 0xC0, 0xC0);
} // namespace

DropButton::DropButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Ouvrir la calculatrice"));
}

QPixmap DropButton::arrowBitmap()
{
    // 13 x 14, light grey with a black triangle pointing down, 7, 5, 3 and 1 pixels wide from
    // the sixth row down.
    QImage image(13, 14, QImage::Format_RGB32);
    image.fill(maskColor);
    for (int row = 0; row < 4; ++row) {
        for (int x = 3 + row; x < 10 - row; ++x)
            image.setPixel(x, 5 + row, qRgb(0, 0, 0));
    }
    return QPixmap::fromImage(image);
}

void DropButton::setPicture(const QPixmap &picture)
{
    mPicture = picture;
    update();
}

void DropButton::setDownPicture(const QPixmap &picture)
{
    mDownPicture = picture;
    update();
}

void DropButton::setDisabledPicture(const QPixmap &picture)
{
    mDisabledPicture = picture;
    update();
}

void DropButton::setValue(bool value)
{
    setChecked(value);
    setDown(value);
}

QPixmap DropButton::currentPicture() const
{
    if (!isEnabled() && !mDisabledPicture.isNull())
        return mDisabledPicture;
    if (isDown() && !mDownPicture.isNull())
        return mDownPicture;
    return mPicture;
}

QPixmap DropButton::masked(const QPixmap &picture)
{
    QPixmap result = picture;
    result.setMask(
        QBitmap::fromImage(picture.toImage().createMaskFromColor(maskColor, Qt::MaskInColor)));
    return result;
}

void DropButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    const QPixmap picture = currentPicture();
    if (picture.isNull())
        return;
    QPoint topLeft((width() - picture.width()) / 2, (height() - picture.height()) / 2);
    if (isDown())
        topLeft += QPoint(1, 1);
    if (!isEnabled() && mDisabledPicture.isNull()) {
        painter.drawPixmap(topLeft,
                           masked(QPixmap::fromImage(picture.toImage()
                                                         .convertToFormat(QImage::Format_Grayscale8)
                                                         .convertToFormat(QImage::Format_RGB32))));
        return;
    }
    painter.drawPixmap(topLeft, masked(picture));
}

void DropButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed();
    event->accept();
}

void DropButton::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        emit leftMoved(event->position().toPoint());
    event->accept();
}

void DropButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit leftReleased();
    event->accept();
}
