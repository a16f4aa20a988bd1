// The hours-and-minutes calculator through its real widgets, offscreen.
#include "beep.h"
#include "calcul.h"
#include "uirecorder.h"

#include <memory>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>

class CalculTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addsTheWorkedExampleThroughEnterAndTheButton();
    void pointSwitchesBoxesWithoutTyping();
    void emptyBoxCountsAsZero();
    void tabGoesFromHoursToMinutes();
    void refusesSixtyMinutesOrMore_data();
    void refusesSixtyMinutesOrMore();
    void refusesAnEmptyPairAndChangesNothing();
    void keepsOnlyDigitsWithinTheLength_data();
    void keepsOnlyDigitsWithinTheLength();
    void filtersPastedTextToDigitsWithinTheLength_data();
    void filtersPastedTextToDigitsWithinTheLength();
    void showsMinutesWithTwoDigitsAndHoursWithout_data();
    void showsMinutesWithTwoDigitsAndHoursWithout();
    void clearIsEnabledOnlyWhileThereIsATotal();
    void sumsMinutesPastSixteenBits();
    void showsTheHelpMessage();
    void quitClosesTheWindow();

private:
    QLineEdit *box(const char *name) const { return window->findChild<QLineEdit *>(name); }
    QString label(const char *name) const { return window->findChild<QLabel *>(name)->text(); }
    QWidget *focus() const { return QApplication::focusWidget(); }
    // Types each character into whichever box has the focus at that moment.
    void type(const QString &keys);
    void clickButton(int index);
    // The boxes shown, in order, with "beep" where the beep came.
    QStringList events() const;

    std::unique_ptr<UiRecorder> recorder;
    QList<qsizetype> beepsAt;
    std::unique_ptr<Calcul> window;
};

void CalculTest::init()
{
    recorder = std::make_unique<UiRecorder>();
    beepsAt.clear();
    Beep::setHook([this] { beepsAt << recorder->events().size(); });
    window = std::make_unique<Calcul>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(focus(), box("CalcHeures"));
}

void CalculTest::cleanup()
{
    window.reset();
    Beep::setHook({});
    recorder.reset();
}

void CalculTest::type(const QString &keys)
{
    for (const QChar c : keys) {
        if (c.unicode() < 128)
            QTest::keyClick(focus(), char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, focus(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void CalculTest::clickButton(int index)
{
    auto *toolbar = window->findChild<QToolBar *>("Toolbar1");
    QTest::mouseClick(toolbar->widgetForAction(window->toolbarButton(index)), Qt::LeftButton);
}

QStringList CalculTest::events() const
{
    QStringList merged = recorder->events();
    for (qsizetype i = beepsAt.size() - 1; i >= 0; --i)
        merged.insert(beepsAt.at(i), QStringLiteral("beep"));
    return merged;
}

void CalculTest::addsTheWorkedExampleThroughEnterAndTheButton()
{
    type("1.50\r");
    type(".20");
    clickButton(Calcul::Add);
    type("2.05\r");

    QCOMPARE(window->total().cumulHeures(), 3);
    QCOMPARE(window->total().cumulMinutes(), 75);
    QCOMPARE(label("THeures"), "4");
    QCOMPARE(label("TMinutes"), "15");
    QCOMPARE(box("CalcHeures")->text(), "");
    QCOMPARE(box("CalcMinutes")->text(), "");
    QCOMPARE(focus(), box("CalcHeures"));
    QCOMPARE(events(), QStringList());
}

void CalculTest::pointSwitchesBoxesWithoutTyping()
{
    type("1.");
    QCOMPARE(focus(), box("CalcMinutes"));
    type("3.");
    QCOMPARE(focus(), box("CalcHeures"));
    type(".0\r");

    QCOMPARE(label("THeures"), "1");
    QCOMPARE(label("TMinutes"), "30");
    QCOMPARE(events(), QStringList());
}

void CalculTest::emptyBoxCountsAsZero()
{
    type(".15\r");
    QCOMPARE(label("THeures"), "0");
    QCOMPARE(label("TMinutes"), "15");

    type("2\r");
    QCOMPARE(label("THeures"), "2");
    QCOMPARE(label("TMinutes"), "15");
}

void CalculTest::tabGoesFromHoursToMinutes()
{
    QTest::keyClick(focus(), Qt::Key_Tab);
    QCOMPARE(focus(), box("CalcMinutes"));
    QTest::keyClick(focus(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focus(), box("CalcHeures"));
}

void CalculTest::refusesSixtyMinutesOrMore_data()
{
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("message");
    const QString sixty = QStringLiteral("Hé hé! 60 minutes c'est 1 heures.");
    const QString over = QStringLiteral("Pfft, pas plus de 60 pour les minutes");
    QTest::newRow("60") << "60" << sixty;
    QTest::newRow("61") << "61" << over;
    QTest::newRow("75") << "75" << over;
    QTest::newRow("99") << "99" << over;
}

void CalculTest::refusesSixtyMinutesOrMore()
{
    QFETCH(QString, minutes);
    QFETCH(QString, message);
    type("1.10\r");

    type("2." + minutes + "\r");

    QCOMPARE(events(), QStringList({"beep", "box:" + message}));
    const MessageRequest &shown = recorder->boxes().constFirst();
    QCOMPARE(shown.buttons, MsgButtons::Ok);
    QCOMPARE(shown.icon, MsgIcon::None);
    QCOMPARE(shown.title, "Tarvelin");
    QCOMPARE(window->total().totalMinutes(), 70);
    QCOMPARE(label("THeures"), "1");
    QCOMPARE(label("TMinutes"), "10");
    QCOMPARE(box("CalcHeures")->text(), "");
    QCOMPARE(box("CalcMinutes")->text(), "");
    QCOMPARE(focus(), box("CalcHeures"));
    QVERIFY(window->toolbarButton(Calcul::Clear)->isEnabled());
}

void CalculTest::refusesAnEmptyPairAndChangesNothing()
{
    type("\r");
    QCOMPARE(events(), QStringList({"beep", "box:Il faut au moins mettre quelque chose"}));
    QCOMPARE(recorder->boxes().constFirst().title, "Tarvelin");

    type(".\r");
    QCOMPARE(focus(), box("CalcMinutes"));
    clickButton(Calcul::Add);
    QCOMPARE(focus(), box("CalcMinutes"));

    QCOMPARE(events().count("beep"), 3);
    QCOMPARE(recorder->boxes().size(), 3);
    QCOMPARE(box("CalcHeures")->text(), "");
    QCOMPARE(box("CalcMinutes")->text(), "");
    QCOMPARE(label("THeures"), "");
    QCOMPARE(label("TMinutes"), "");
    QVERIFY(!window->toolbarButton(Calcul::Clear)->isEnabled());
}

void CalculTest::keepsOnlyDigitsWithinTheLength_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("letters, spaces and signs") << "a1 b,2-+3é"
                                               << "123"
                                               << "";
    QTest::newRow("backspace") << "12\b3"
                               << "13"
                               << "";
    QTest::newRow("four hour digits") << "123456"
                                      << "1234"
                                      << "";
    QTest::newRow("two minute digits") << ".1x23"
                                       << ""
                                       << "12";
    QTest::newRow("both boxes") << "98765.4321"
                                << "9876"
                                << "43";
}

void CalculTest::keepsOnlyDigitsWithinTheLength()
{
    QFETCH(QString, keys);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);

    type(keys);

    QCOMPARE(box("CalcHeures")->text(), hours);
    QCOMPARE(box("CalcMinutes")->text(), minutes);
    QCOMPARE(events(), QStringList());
}

void CalculTest::filtersPastedTextToDigitsWithinTheLength_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::newRow("hours with a colon") << "CalcHeures"
                                        << ""
                                        << "12:30"
                                        << "1230";
    QTest::newRow("hours, digits past the limit") << "CalcHeures"
                                                  << ""
                                                  << "1a2b3c4d5"
                                                  << "1234";
    QTest::newRow("hours, appended to digits") << "CalcHeures"
                                               << "12"
                                               << "345"
                                               << "1234";
    QTest::newRow("minutes with a leading space") << "CalcMinutes"
                                                  << ""
                                                  << " 15"
                                                  << "15";
    QTest::newRow("minutes, negative") << "CalcMinutes"
                                       << ""
                                       << "-5"
                                       << "5";
    QTest::newRow("minutes, no digit") << "CalcMinutes"
                                       << "4"
                                       << "abc"
                                       << "4";
    QTest::newRow("minutes, full box") << "CalcMinutes"
                                       << "45"
                                       << "6"
                                       << "45";
}

void CalculTest::filtersPastedTextToDigitsWithinTheLength()
{
    QFETCH(QString, boxName);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QLineEdit *target = box(qPrintable(boxName));
    target->setFocus();
    type(before);

    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(target->text(), after);
}

void CalculTest::showsMinutesWithTwoDigitsAndHoursWithout_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::newRow("zero") << "0\r"
                          << "0"
                          << "00";
    QTest::newRow("seven minutes") << ".7\r"
                                   << "0"
                                   << "07";
    QTest::newRow("hours typed with zeros") << "0012.05\r"
                                            << "12"
                                            << "05";
    QTest::newRow("minutes carried to an hour") << ".30\r.30\r"
                                                << "1"
                                                << "00";
    QTest::newRow("large hours") << "9999.59\r9999.59\r"
                                 << "19999"
                                 << "58";
}

void CalculTest::showsMinutesWithTwoDigitsAndHoursWithout()
{
    QFETCH(QString, keys);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);

    type(keys);

    QCOMPARE(label("THeures"), hours);
    QCOMPARE(label("TMinutes"), minutes);
}

void CalculTest::clearIsEnabledOnlyWhileThereIsATotal()
{
    QAction *clear = window->toolbarButton(Calcul::Clear);
    QVERIFY(!clear->isEnabled());

    type("1.45\r");
    QVERIFY(clear->isEnabled());

    // The boxes and the focus are left as they are.
    type("3.2");
    clickButton(Calcul::Clear);
    QVERIFY(!clear->isEnabled());
    QCOMPARE(window->total().totalMinutes(), 0);
    QCOMPARE(label("THeures"), "");
    QCOMPARE(label("TMinutes"), "");
    QCOMPARE(box("CalcHeures")->text(), "3");
    QCOMPARE(box("CalcMinutes")->text(), "2");
    QCOMPARE(focus(), box("CalcMinutes"));

    type("\r");
    QVERIFY(clear->isEnabled());
    QCOMPARE(label("THeures"), "3");
    QCOMPARE(label("TMinutes"), "02");
    QCOMPARE(events(), QStringList());
}

void CalculTest::sumsMinutesPastSixteenBits()
{
    // 600 additions of 59 minutes: 35,400 minutes, past what a 16-bit sum can hold.
    for (int i = 0; i < 600; ++i)
        type(".59\r");

    QCOMPARE(window->total().cumulMinutes(), 35400);
    QCOMPARE(label("THeures"), "590");
    QCOMPARE(label("TMinutes"), "00");
    QCOMPARE(events(), QStringList());
}

void CalculTest::showsTheHelpMessage()
{
    clickButton(Calcul::Help);

    const QString text = "Pourquoi ce bout de programme ? \r\n"
                         "Parce qu'à chaque changement de page du Tarvelin\r\n"
                         ", il faut faire quelques calculs d'heure.\r\n"
                         "Un Ch'ti peu fainéant le mec \r\n"
                         " \r\n"
                         "Touche Entrer pour ajouter\r\n"
                         "Touche Point pour passer d'un champ à un autre.\r\n"
                         "Exemple 0H15, tapez .15";
    QCOMPARE(events(), QStringList({"box:" + text}));
    const MessageRequest &shown = recorder->boxes().constFirst();
    QCOMPARE(shown.buttons, MsgButtons::Ok);
    QCOMPARE(shown.icon, MsgIcon::Information);
    QCOMPARE(shown.title, "  ");
}

void CalculTest::quitClosesTheWindow()
{
    const QStringList tips = {"Quitter", "Ajouter", "Effacer", ""};
    const int indices[] = {Calcul::Quit, Calcul::Add, Calcul::Clear, Calcul::Help};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window->toolbarButton(indices[i])->toolTip(), tips.at(i));
    for (int index : {1, 3, 5, 7, 8, 9, 10, 11, 12, 13})
        QVERIFY(!window->toolbarButton(index));

    clickButton(Calcul::Quit);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(CalculTest)
#include "test_calcul.moc"
