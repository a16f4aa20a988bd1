#pragma once

#include "standardpage.h"
#include "ui_fontpage.h"

// The standard font page "Police": every font property of the selected controls.
class FontPage : public StandardPage
{
    Q_OBJECT

public:
    explicit FontPage(QWidget *parent = nullptr);

    void setObjects(const QList<QObject *> &objects) override;

protected:
    bool takes(const QMetaProperty &property) const override;
    void showProperty(const QString &name) override;

private:
    QFont chosenFont() const;
    void fontEdited();

    Ui::FontPage ui;
    bool mShowing = false;
};
