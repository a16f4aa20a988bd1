#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

// Drives the controls of a form the way a user does.
namespace FormDriver {

// Types a text key by key, accented letters included.
inline void type(QWidget *target, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Moves the selection of the list with the Down key, as many times as asked.
inline void pickByKeyboard(QComboBox *combo, int presses = 1)
{
    combo->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Drops the list down and clicks an entry.
inline void pickByMouse(QComboBox *combo, int row)
{
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

inline QStringList entries(const QComboBox *combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

} // namespace FormDriver
