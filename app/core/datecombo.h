#pragma once

#include <QDateEdit>

// The date control of the windows: one date (today's when nobody sets one), shown as
// dd/mm/yyyy with a calendar to drop down, in a colour the host chooses. `changed` is raised
// after the user changes the date, never when the host sets it.
class DateCombo : public QDateEdit
{
    Q_OBJECT

public:
    explicit DateCombo(QWidget *parent = nullptr);

    QDate value() const { return date(); }
    void setValue(const QDate &day);

    // A colour as the windows give it: red, green and blue bytes from low to high (255 is red).
    void setForeColor(quint32 oleColor);
    QColor foreColor() const;

signals:
    void changed();

private:
    bool mSettingValue = false;
};
