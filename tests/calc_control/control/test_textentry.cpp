// Typing into the control's text box, in a comma locale and a dot locale: the key filter, the
// separator rules, the one-key commands, the operators, F4, F9, Locked and the output format
// applied when the box loses the focus.

#include "calcglobals.h"
#include "calculatorwatch.h"
#include "dropbutton.h"
#include "frmcalc.h"
#include "qelcbcalc.h"
#include "systembeep.h"
#include "testsite.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

class TestTextEntry : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> mHost;
    QelCbCalc *mControl = nullptr;
    QLineEdit *mOther = nullptr;
    TestSite mSite;
    int mBeeps = 0;
    int mOpenings = 0;

    QLineEdit *txtCalc() const { return mControl->findChild<QLineEdit *>("txtCalc"); }

    // A control made in `locale`, its text box holding `text` and the focus.
    void makeControl(const QLocale &locale, const QString &text)
    {
        QLocale::setDefault(locale);
        mHost = std::make_unique<QWidget>();
        mControl = new QelCbCalc(mHost.get());
        mControl->setClientSite(&mSite);
        mControl->initNew();
        mControl->setGeometry(10, 10, 153, mControl->height());
        mOther = new QLineEdit(mHost.get());
        mOther->setGeometry(10, 60, 100, 25);
        mHost->show();
        mHost->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mHost.get()));
        txtCalc()->setFocus();
        txtCalc()->setText(text);
    }

    void whenOpen(std::function<void(FrmCalc *)> actions)
    {
        whenCalculatorOpens(this, mOpenings, std::move(actions));
    }

    void leaveControl() { mOther->setFocus(); }

private slots:
    void init()
    {
        mBeeps = 0;
        mOpenings = 0;
        SystemBeep::setHook([this] { ++mBeeps; });
    }

    void cleanup()
    {
        mHost.reset();
        FrmCalc::discard();
        SystemBeep::setHook({});
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(gDropped, false);
    }

    void typing_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        const QLocale comma(QLocale::French, QLocale::France);
        const QLocale dot(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("empty, comma key") << comma << ""
                                          << ","
                                          << "0," << 0;
        QTest::newRow("empty, dot key, comma locale") << comma << ""
                                                      << "."
                                                      << "0," << 0;
        QTest::newRow("empty, comma key, dot locale") << dot << ""
                                                      << ","
                                                      << "0." << 0;
        QTest::newRow("second separator refused") << comma << "12,"
                                                  << "."
                                                  << "12," << 0;
        QTest::newRow("dot types the comma") << comma << "12"
                                             << "."
                                             << "12," << 0;
        QTest::newRow("comma types the dot") << dot << "12"
                                             << ","
                                             << "12." << 0;
        QTest::newRow("digit replaces a lone zero") << comma << "0"
                                                    << "7"
                                                    << "7" << 0;
        QTest::newRow("digits after a separator") << comma << "0,"
                                                  << "25"
                                                  << "0,25" << 0;
        QTest::newRow("letter beeps") << comma << "5,"
                                      << "a"
                                      << "5," << 1;
        QTest::newRow("blank and enter beep") << comma << "5,"
                                              << " \r"
                                              << "5," << 2;
        QTest::newRow("leading minus on empty text") << comma << ""
                                                     << "-5"
                                                     << "-5" << 0;
        QTest::newRow("command on a non-number is typed") << comma << "-"
                                                          << "%"
                                                          << "-%" << 0;
        QTest::newRow("percent") << comma << "50,"
                                 << "%"
                                 << "0,5" << 0;
        QTest::newRow("percent of zero") << comma << "0,"
                                         << "%"
                                         << "0," << 0;
        QTest::newRow("square root") << comma << "4,"
                                     << "@"
                                     << "2," << 0;
        QTest::newRow("square root of a negative") << comma << "-4,"
                                                   << "@"
                                                   << "-4," << 0;
        QTest::newRow("reciprocal") << dot << "4."
                                    << "R"
                                    << "0.25" << 0;
        QTest::newRow("reciprocal of zero") << comma << "0,"
                                            << "r"
                                            << "0," << 0;
    }

    void typing()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        makeControl(locale, start);
        QTest::keyClicks(txtCalc(), keys);
        QCOMPARE(txtCalc()->text(), text);
        QCOMPARE(mBeeps, beeps);
        QCOMPARE(mOpenings, 0);
    }

    void commandsPutTheValue()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "50,");
        QTest::keyClick(txtCalc(), '%');
        QCOMPARE(mControl->Value(), 0.5);
        QCOMPARE(txtCalc()->cursorPosition(), txtCalc()->text().length());
        txtCalc()->setText("4,");
        QTest::keyClick(txtCalc(), '@');
        QCOMPARE(mControl->Value(), 2.0);
        txtCalc()->setText("0,");
        QTest::keyClick(txtCalc(), 'r');
        QCOMPARE(mControl->Value(), 2.0);
    }

    void operatorOpensTheCalculatorWithTheOperatorPending()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "5,");
        auto *drop = mControl->findChild<DropButton *>("cmdDrop");
        whenOpen([drop](FrmCalc *calc) {
            QVERIFY(!drop->isDown());
            QCOMPARE(calc->engine().opFlag(), QStringLiteral("+"));
            QCOMPARE(gTextBox->text(), QStringLiteral("5,"));
            QTest::keyClick(calc, '3');
            QCOMPARE(gTextBox->text(), QStringLiteral("3,"));
            QTest::keyClick(calc, Qt::Key_Return);
        });
        QTest::keyClick(txtCalc(), '+');
        QCOMPARE(mOpenings, 1);
        QCOMPARE(mControl->Value(), 8.0);
        QCOMPARE(txtCalc()->text(), QStringLiteral("8,"));
        QVERIFY(gTextBox.isNull());
    }

    void f4AndControlDownOpenButDownAloneDoesNot()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "7,");
        auto *drop = mControl->findChild<DropButton *>("cmdDrop");
        const auto closeAtOnce = [drop](FrmCalc *calc) {
            QVERIFY(!drop->isDown());
            QTest::keyClick(calc, Qt::Key_Return);
        };
        whenOpen(closeAtOnce);
        QTest::keyClick(txtCalc(), Qt::Key_F4, Qt::ShiftModifier);
        QCOMPARE(mOpenings, 1);
        whenOpen(closeAtOnce);
        QTest::keyClick(txtCalc(), Qt::Key_Down, Qt::ControlModifier);
        QCOMPARE(mOpenings, 2);
        QTest::keyClick(txtCalc(), Qt::Key_Down);
        QCOMPARE(mOpenings, 2);
        QCOMPARE(mControl->Value(), 7.0);
    }

    void f9ChangesTheSign()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "5,");
        QTest::keyClick(txtCalc(), Qt::Key_F9);
        QCOMPARE(txtCalc()->text(), QStringLiteral("-5,"));
        QTest::keyClick(txtCalc(), Qt::Key_F9);
        QCOMPARE(txtCalc()->text(), QStringLiteral("5,"));
        txtCalc()->setText("0,");
        QTest::keyClick(txtCalc(), Qt::Key_F9);
        QCOMPARE(txtCalc()->text(), QStringLiteral("0,"));
        txtCalc()->clear();
        QTest::keyClick(txtCalc(), Qt::Key_F9);
        QCOMPARE(txtCalc()->text(), QString());
        QCOMPARE(mBeeps, 0);
    }

    void leavingTheControlPutsTheValue()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "");
        QTest::keyClicks(txtCalc(), "-5");
        leaveControl();
        QCOMPARE(mControl->Value(), -5.0);
        QCOMPARE(txtCalc()->text(), QStringLiteral("-5,"));
    }

    void enteringTheControlSelectsFromTheCaretToTheEnd()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "123,45");
        leaveControl();
        txtCalc()->setCursorPosition(2);
        txtCalc()->setFocus(Qt::OtherFocusReason);
        QCOMPARE(txtCalc()->selectedText(), QStringLiteral("3,45"));
    }

    void outputFormatAppliesOnFocusLoss_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("two decimals") << 2 << "3,14159"
                                      << "3,14" << 3.14;
        QTest::newRow("standard") << 8 << "1234,5"
                                  << "1\u202F234,50" << 1234.5;
    }

    void outputFormatAppliesOnFocusLoss()
    {
        QFETCH(int, format);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(double, value);
        makeControl(QLocale(QLocale::French, QLocale::France), "");
        mControl->setProperty("OutPutFormat", format);
        txtCalc()->clear();
        QTest::keyClicks(txtCalc(), typed);
        QCOMPARE(txtCalc()->text(), typed); // exactly as typed until the box is left
        leaveControl();
        QCOMPARE(txtCalc()->text(), text);
        QCOMPARE(mControl->Value(), value);
    }

    void lockedRefusesDigitsButCommandsWork()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "0");
        mControl->setProperty("Locked", true);
        QTest::keyClicks(txtCalc(), "7.");
        QCOMPARE(txtCalc()->text(), QStringLiteral("0")); // the lone zero stays too
        txtCalc()->setText("12,");
        QTest::keyClick(txtCalc(), '%');
        QCOMPARE(mControl->Value(), 0.12);
        whenOpen([](FrmCalc *calc) { QTest::keyClick(calc, Qt::Key_Return); });
        QTest::keyClick(txtCalc(), Qt::Key_F4);
        whenOpen([](FrmCalc *calc) {
            QTest::keyClicks(calc, "2");
            QTest::keyClick(calc, Qt::Key_Return);
        });
        QTest::keyClick(txtCalc(), '*');
        QCOMPARE(mOpenings, 2);
        QCOMPARE(mControl->Value(), 0.24);
    }

    void pastedTextIsKeptAndHarmless()
    {
        makeControl(QLocale(QLocale::French, QLocale::France), "");
        mControl->setProperty("Value", 3);
        txtCalc()->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("12abc\u00A0€\n"));
        txtCalc()->paste();
        const QString pasted = txtCalc()->text();
        QVERIFY(!pasted.isEmpty());
        QTest::keyClick(txtCalc(), Qt::Key_F9);
        QTest::keyClick(txtCalc(), '@');
        leaveControl();
        QCOMPARE(txtCalc()->text(), pasted + QLatin1Char('@'));
        QCOMPARE(mControl->Value(), 3.0);
        QCOMPARE(mOpenings, 0);
    }
};

QTEST_MAIN(TestTextEntry)
#include "test_textentry.moc"
