#pragma once

#include "standardpage.h"
#include "ui_picturepage.h"

// The standard picture page "Images": every picture property of the selected controls, loaded
// from an image file or cleared.
class PicturePage : public StandardPage
{
    Q_OBJECT

public:
    explicit PicturePage(QWidget *parent = nullptr);

    void setObjects(const QList<QObject *> &objects) override;

protected:
    bool takes(const QMetaProperty &property) const override;
    void showProperty(const QString &name) override;

private:
    QString currentProperty() const;
    void browse();
    void clearPicture();
    void setPicture(const QPixmap &picture);

    Ui::PicturePage ui;
};
