#pragma once

#include <QAbstractButton>
#include <QPixmap>

// The control's drop button: a push button with three pictures (normal, pressed, disabled)
// whose grey mask colour lets the button face show through. It keeps two states apart like
// the original option button: its value (checked) and the look it is drawn with (down), which
// the drag feedback changes on its own. The control handles the mouse.
class DropButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit DropButton(QWidget *parent = nullptr);

    // The arrow the button shows when no picture is given.
    static QPixmap arrowBitmap();

    QPixmap picture() const { return mPicture; }
    void setPicture(const QPixmap &picture);
    QPixmap downPicture() const { return mDownPicture; }
    void setDownPicture(const QPixmap &picture);
    QPixmap disabledPicture() const { return mDisabledPicture; }
    void setDisabledPicture(const QPixmap &picture);

    // The value: pressed look and state together.
    void setValue(bool value);
    bool value() const { return isChecked(); }
    // Only the look (the set-check message of the original).
    void setCheckLook(bool pressed) { setDown(pressed); }

signals:
    void leftPressed();
    // Position relative to the button.
    void leftMoved(const QPoint &position);
    void leftReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap currentPicture() const;
    static QPixmap masked(const QPixmap &picture);

    QPixmap mPicture;
    QPixmap mDownPicture;
    QPixmap mDisabledPicture;
};
