#pragma once

#include "standardpage.h"
#include "ui_colorpage.h"

// The standard colour page "Couleurs": every OLE colour property of the selected controls,
// from a palette, the system colours (which follow the desktop's theme) or a colour chooser.
class ColorPage : public StandardPage
{
    Q_OBJECT

public:
    explicit ColorPage(QWidget *parent = nullptr);

    void setObjects(const QList<QObject *> &objects) override;

protected:
    bool takes(const QMetaProperty &property) const override;
    void showProperty(const QString &name) override;

private:
    QString currentProperty() const;
    void fillColors(int set);
    void colorPicked();
    void chooseOther();
    void selectColor(quint32 ole);

    Ui::ColorPage ui;
    bool mShowing = false;
};
