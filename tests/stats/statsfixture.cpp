#include "statsfixture.h"

#include <QAbstractItemView>
#include <QTest>

void StatsFixture::pickType(const Heures &window, const QString &type)
{
    QComboBox *list = typeList(window);
    const int index = list->findText(type, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ASSERT_GE(index, 0) << type.toStdString();
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_EQ(list->currentText(), type);
}
