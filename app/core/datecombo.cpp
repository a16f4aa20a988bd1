#include "datecombo.h"

#include "clock.h"

#include <QCalendarWidget>

DateCombo::DateCombo(QWidget *parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    setMinimumDate(QDate(100, 1, 1));
    setValue(Clock::today());
    setAccessibleName(QStringLiteral("Date"));
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!mSettingValue)
            emit changed();
    });
}

void DateCombo::setValue(const QDate &day)
{
    mSettingValue = true;
    setDate(day);
    mSettingValue = false;
}

void DateCombo::setForeColor(quint32 oleColor)
{
    const QColor color(int(oleColor & 0xFF), int((oleColor >> 8) & 0xFF),
                       int((oleColor >> 16) & 0xFF));
    QPalette colors = palette();
    colors.setColor(QPalette::Text, color);
    setPalette(colors);
}

QColor DateCombo::foreColor() const
{
    return palette().color(QPalette::Text);
}
