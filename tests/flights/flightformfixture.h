#pragma once

#include "ajout.h"
#include "clock.h"
#include "datecombo.h"
#include "modif.h"
#include "programend.h"
#include "tarvelinwindows.h"
#include "tempprogramfolder.h"
#include "uirecorder.h"
#include "zivada.h"

#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

// A logbook window on a temporary logbook, opening the flight forms the way the program does,
// with every box and sound recorded. Today is fixed.
class FlightFormFixture : public testing::Test
{
protected:
    static inline const QDate today{2026, 12, 11};

    FlightFormFixture()
    {
        Clock::setToday(today);
        ProgramEnd::setHook([](int code) { FAIL() << "the program ended with code " << code; });
    }

    ~FlightFormFixture() override
    {
        // The forms hold the logbook: they go first.
        QList<QPointer<FlightForm>> forms;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<FlightForm *>(window))
                forms << form;
        }
        for (const QPointer<FlightForm> &form : forms)
            delete form.data();
        logbook.reset();
        ProgramEnd::setHook({});
        Clock::setToday(QDate());
    }

    Zivada &openLogbook()
    {
        logbook = std::make_unique<Zivada>(windows);
        logbook->show();
        return *logbook;
    }

    template <class Form> Form *openForm(int editItem)
    {
        if (!logbook)
            openLogbook();
        logbook->editMenuClicked(editItem);
        Form *found = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<Form *>(window); form && form->isVisible())
                found = form;
        }
        // As the window manager would, so that focus changes reach the controls.
        if (found) {
            found->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(found));
        }
        return found;
    }

    Ajout *openAjout() { return openForm<Ajout>(1); }

    // Chooses the flight's Num cell in the grid, then "&Modifier".
    Modif *openModif(qint64 num)
    {
        if (!logbook)
            openLogbook();
        const int row = gridRowOf(num);
        EXPECT_GE(row, 0) << "flight " << num << " is not in the grid";
        clickCell(row, 0);
        return openForm<Modif>(0);
    }

    int gridRowOf(qint64 num) const
    {
        const QAbstractItemModel *model = logbook->grid()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toLongLong() == num)
                return row;
        }
        return -1;
    }

    QString cell(int row, int column) const
    {
        return logbook->grid()->model()->index(row, column).data().toString();
    }

    void clickCell(int row, int column)
    {
        QTableView *grid = logbook->grid();
        const QRect rect = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Lets a closed form be deleted.
    static void deliverDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The flight rows of the file, in Num order, without Num.
    QVector<QVariantList> storedFlights() const
    {
        return folder.rows("SELECT Date, Avion, Type, \"Société\", \"Durée\", Vol, Commentaires "
                           "FROM Tbl_Vols ORDER BY Num");
    }

    TempProgramFolder folder;
    UiRecorder recorder;
    TarvelinWindows windows;
    std::unique_ptr<Zivada> logbook;
};

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QVariant &value, std::ostream *out)
{
    if (value.isNull())
        *out << "NULL";
    else
        *out << value.typeName() << ' ' << value.toString().toStdString();
}

inline void PrintTo(const QVariantList &values, std::ostream *out)
{
    *out << '{';
    for (const QVariant &value : values) {
        PrintTo(value, out);
        *out << "; ";
    }
    *out << '}';
}

// The captions, the date and a six-letter registration show whole in the form's font.
inline void expectNothingClipped(QWidget *form)
{
    for (QLabel *label : form->findChildren<QLabel *>()) {
        if (label->objectName() != "Label8" && label->objectName() != "Label9") {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
        }
    }
    auto *date = form->findChild<DateCombo *>("QelDate");
    EXPECT_LE(date->sizeHint().width(), date->width());
    auto *aircraft = form->findChild<QComboBox *>("Combo1");
    EXPECT_LE(aircraft->fontMetrics().horizontalAdvance("F-GKLM"), aircraft->lineEdit()->width());
}

// The named controls in the order Tab visits them, from the date control.
inline QStringList tabOrder(QWidget *form)
{
    static const QStringList named = {"QelDate", "Combo1",  "Text5",    "Combo2",
                                      "Text7",   "Ajouter", "Modifier", "Annuler"};
    auto *first = form->findChild<QWidget *>("QelDate");
    QStringList order{first->objectName()};
    for (QWidget *w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain()) {
        if (named.contains(w->objectName()) && !order.contains(w->objectName()))
            order << w->objectName();
    }
    return order;
}

// Finds a control of a form by its object name.
template <class Control> Control *control(QWidget *form, const char *name)
{
    auto *found = form->findChild<Control *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// The flight controls of the form a test has open, by their names on both forms.
template <class Form> class FlightControls
{
protected:
    QComboBox *combo1() { return control<QComboBox>(form, "Combo1"); }
    QComboBox *combo2() { return control<QComboBox>(form, "Combo2"); }
    QLineEdit *text5() { return control<QLineEdit>(form, "Text5"); }
    QLineEdit *text7() { return control<QLineEdit>(form, "Text7"); }
    QLabel *label8() { return control<QLabel>(form, "Label8"); }
    QLabel *label9() { return control<QLabel>(form, "Label9"); }
    DateCombo *qelDate() { return control<DateCombo>(form, "QelDate"); }

    QPointer<Form> form;
};
