// The control and its calculator through their real widgets: properties, persistence,
// layout, the drop button and every way the calculator closes.

#include "calcglobals.h"
#include "calcplacement.h"
#include "calculatorwatch.h"
#include "dropbutton.h"
#include "frmcalc.h"
#include "qelcbcalc.h"
#include "testsite.h"

#include <olecolor.h>
#include <propertybag.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

class TestQelCbCalc : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> mHost;
    QelCbCalc *mControl = nullptr;
    TestSite mSite;
    int mOpenings = 0;

    QLineEdit *txtCalc() const { return mControl->findChild<QLineEdit *>("txtCalc"); }
    DropButton *cmdDrop() const { return mControl->findChild<DropButton *>("cmdDrop"); }
    static QAbstractButton *key(FrmCalc *calc, const char *name)
    {
        return calc->keyButton(QString::fromLatin1(name));
    }

    void whenOpen(std::function<void(FrmCalc *)> actions)
    {
        whenCalculatorOpens(this, mOpenings, std::move(actions));
    }

    void clickDrop() { QTest::mouseClick(cmdDrop(), Qt::LeftButton, {}, QPoint(3, 3)); }

    static void typeKeys(FrmCalc *calc, const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(calc, c.toLatin1());
    }

private slots:
    void init()
    {
        mHost = std::make_unique<QWidget>();
        mHost->resize(400, 200);
        mSite = TestSite();
        mControl = new QelCbCalc(mHost.get());
        mControl->setClientSite(&mSite);
        mControl->initNew();
        mControl->setGeometry(10, 10, 153, mControl->height());
        mHost->show();
        mHost->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mHost.get()));
        mSite.changed.clear();
        mOpenings = 0;
    }

    void cleanup()
    {
        mHost.reset();
        FrmCalc::discard();
        CalcPlacement::setScreenForTesting({});
        QCOMPARE(gDropped, false);
        gButton.mblnButton = true;
    }

    // ---- Properties

    void newControlShowsZeroWithSeparator()
    {
        QCOMPARE(txtCalc()->text(), QStringLiteral("0,"));
        QVERIFY(txtCalc()->alignment() & Qt::AlignRight);
        QCOMPARE(mControl->Value(), 0.0);
        QVERIFY(!cmdDrop()->picture().isNull());
        // The button sits at the right end, inside the text box, and the text stops short of it.
        QCOMPARE(cmdDrop()->geometry().right(), txtCalc()->width() - 2 - 1);
        QCOMPARE(txtCalc()->textMargins().right(), 19);
    }

    void heightFollowsTheFont()
    {
        const int small = mControl->height();
        QFont big = mControl->Font();
        big.setPointSize(24);
        mControl->setProperty("Font", big);
        QVERIFY(mControl->height() > small);
        QCOMPARE(mControl->height(), qRound((QFontMetrics(big).height() * 15 + 125) / 15.0));
        mControl->resize(mControl->width(), 80);
        QCOMPARE(mControl->height(), qRound((QFontMetrics(big).height() * 15 + 125) / 15.0));
    }

    void valuePutFormatsAndNotifies_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("readBack");
        QTest::newRow("general") << 0 << 12.5 << "12,5" << 12.5;
        QTest::newRow("whole number gets the separator") << 0 << 12.0 << "12," << 12.0;
        QTest::newRow("two decimals round the value") << 2 << 1.23456 << "1,23" << 1.23;
        QTest::newRow("standard groups digits") << 8 << 1234.5 << "1\u202F234,50" << 1234.5;
        QTest::newRow("format out of range keeps the text") << 9 << 7.0 << "0," << 0.0;
    }

    void valuePutFormatsAndNotifies()
    {
        QFETCH(int, format);
        QFETCH(double, value);
        QFETCH(QString, text);
        QFETCH(double, readBack);
        QVERIFY(mControl->setProperty("OutPutFormat", format));
        QVERIFY(mControl->setProperty("Value", value));
        QCOMPARE(txtCalc()->text(), text);
        QCOMPARE(mControl->property("Value").toDouble(), readBack);
        QCOMPARE(mSite.changed.last(), QStringLiteral("Value"));
    }

    void everyPutNotifiesUnderItsName()
    {
        const QList<QPair<const char *, QVariant>> puts = {
            {"BackColor", 0xFFu},         {"ForeColor", 0xFF00u},   {"ButtonWidth", 300},
            {"CalcBackColor", 1u},        {"CalcNumberColor", 2u},  {"CalcMemoryColor", 3u},
            {"CalcOpsColor", 4u},         {"CalcButtonColor", 5u},  {"CalcCancelColor", 6u},
            {"Enabled", false},           {"Locked", true},         {"CalcMousePointer", 11},
            {"CalcMemStatBackColor", 7u}, {"CalcMemStatColor", 8u}, {"CalcAdvOpsColor", 9u},
            {"OutPutFormat", 2},
        };
        for (const auto &put : puts) {
            mSite.changed.clear();
            QVERIFY2(mControl->setProperty(put.first, put.second), put.first);
            QCOMPARE(mSite.changed.last(), QString::fromLatin1(put.first));
            QVariant actual = mControl->property(put.first);
            QVERIFY(actual.convert(put.second.metaType())); // the pointer reads back as its enum
            QCOMPARE(actual, put.second);
        }
        QVERIFY(!txtCalc()->isEnabled() && !cmdDrop()->isEnabled());
        QVERIFY(txtCalc()->isReadOnly());
    }

    void showingTakesTheContainersToolTip()
    {
        mSite.toolTip = QStringLiteral("Total de la page");
        mControl->hide();
        mControl->show();
        QCOMPARE(txtCalc()->toolTip(), mSite.toolTip);
        QCOMPARE(cmdDrop()->toolTip(), mSite.toolTip);
    }

    void oleColorsIncludingSystemIndices()
    {
        mControl->setProperty("BackColor", 0x0000FFu); // red
        QCOMPARE(txtCalc()->palette().color(QPalette::Base), QColor(255, 0, 0));
        mControl->setProperty("BackColor", 0x80000005u); // system window colour
        QCOMPARE(txtCalc()->palette().color(QPalette::Base),
                 QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
        QCOMPARE(OleColor::toColor(0x8000000Fu),
                 QGuiApplication::palette().color(QPalette::Button));
        QVERIFY(!OleColor::toColor(0x800000FFu).isValid());
    }

    void membersCarryTheirMetadata()
    {
        const QVariantList members = mControl->memberDescriptions();
        QCOMPARE(members.size(), 25);
        const QVariantMap value = members.at(4).toMap();
        QCOMPARE(value.value("name").toString(), QStringLiteral("Value"));
        QCOMPARE(value.value("dispId").toInt(), 0x68030010);
        QCOMPARE(value.value("helpContext").toInt(), 470);
        QCOMPARE(value.value("helpString").toString(),
                 QStringLiteral("Renvoie ou définit la valeur du nombre affiché."));
        const QVariantMap enabled = members.at(11).toMap();
        QCOMPARE(enabled.value("dispId").toInt(), -514);
        QVERIFY(enabled.value("helpString").toString().startsWith(QLatin1Char(' ')));
        // Every member is reachable by its name.
        const QMetaObject *meta = mControl->metaObject();
        for (const QVariant &member : members) {
            const QByteArray name = member.toMap().value("name").toString().toLatin1();
            QVERIFY2(meta->indexOfProperty(name) >= 0 || meta->indexOfMethod(name + "()") >= 0,
                     name);
        }
        const QMetaEnum pointers = QMetaEnum::fromType<QelCbCalc::MousePointerConstants>();
        QCOMPARE(pointers.keyToValue("Custom"), 99);
        QCOMPARE(pointers.keyToValue("SizeAll"), 15);
        const QMetaEnum formats = QMetaEnum::fromType<QelCbCalc::OutputFormatConstants>();
        QCOMPARE(formats.keyToValue("calcOFStandard"), 8);
    }

    // ---- Property bags

    void newControlSavesOnlyWhatDiffers()
    {
        PropertyBag bag;
        mControl->writeProperties(bag);
        // The arrow is a picture where the saved default is none.
        QCOMPARE(bag.names(), QStringList{QStringLiteral("ButtonPicture")});
    }

    void savedBagReloadsToTheSameState()
    {
        QFont font = mSite.font;
        font.setPointSize(15);
        QPixmap down(8, 8);
        down.fill(Qt::green);
        mControl->setProperty("BackColor", 0x80000018u);
        mControl->setProperty("Font", font);
        mControl->setProperty("Locked", true);
        mControl->setProperty("ButtonWidth", 300);
        mControl->setProperty("CalcButtonColor", 0x123456u);
        mControl->setProperty("CalcMousePointer", 99);
        mControl->setProperty("CalcAdvOpsColor", 0u);
        mControl->setProperty("DownButtonPicture", down);
        mControl->setProperty("OutPutFormat", 2);
        mControl->setProperty("Value", 3.14159);
        PropertyBag bag;
        mControl->writeProperties(bag);
        QCOMPARE(bag.names(), (QStringList{"BackColor", "Font", "Locked", "ButtonWidth", "Value",
                                           "CalcButtonColor", "CalcMousePointer", "CalcAdvOpsColor",
                                           "OutPutFormat", "DownButtonPicture", "ButtonPicture"}));

        bool ok = false;
        const PropertyBag stored = PropertyBag::fromJson(bag.toJson(), &ok);
        QVERIFY(ok);
        QelCbCalc loaded(mHost.get());
        loaded.setClientSite(&mSite);
        loaded.readProperties(stored);
        for (const char *name : {"BackColor", "Locked", "ButtonWidth", "Value", "CalcButtonColor",
                                 "CalcMousePointer", "CalcAdvOpsColor", "OutPutFormat"})
            QCOMPARE(loaded.property(name), mControl->property(name));
        QCOMPARE(loaded.Font().pointSize(), 15);
        QCOMPARE(loaded.DownButtonPicture().toImage().pixelColor(2, 2), QColor(Qt::green));
        QCOMPARE(loaded.findChild<QLineEdit *>("txtCalc")->text(), QStringLiteral("3,14"));
        PropertyBag again;
        loaded.writeProperties(again);
        QCOMPARE(again.toJson(), bag.toJson());
    }

    void badBagLoadsWhatItCan()
    {
        PropertyBag bag;
        bag.write("BackColor", QStringLiteral("rouge"));
        bag.write("Enabled", 17.5);
        bag.write("ButtonWidth", 400000);
        bag.write("Value", 42);
        bag.write("CalcOpsColor", 0x00FF00u);
        bag.write("Font", QStringLiteral("not a font"));
        bag.write("ButtonPicture", 12);
        bag.write("CalcMousePointer", 929);
        QelCbCalc loaded(mHost.get());
        loaded.setClientSite(&mSite);
        loaded.readProperties(bag);
        QCOMPARE(loaded.BackColor(), 0x80000005u);
        QCOMPARE(loaded.Enabled(), true);
        QCOMPARE(loaded.ButtonWidth(), short(260));
        QCOMPARE(loaded.Value(), 42.0);
        QCOMPARE(loaded.CalcOpsColor(), 0x00FF00u);
        QCOMPARE(loaded.findChild<QLineEdit *>("txtCalc")->text(), QStringLiteral("42,"));
        // A missing "ButtonPicture" reads as the built-in arrow; a wrong one leaves the arrow too.
        QCOMPARE(loaded.ButtonPicture().toImage(), DropButton::arrowBitmap().toImage());
        // A pointer number outside the list is kept and written back as it was read.
        PropertyBag written;
        loaded.writeProperties(written);
        QCOMPARE(written.read("CalcMousePointer").toInt(), 929);
    }

    // ---- The calculator

    void typingOnTheKeypadClosesWithTheResult()
    {
        whenOpen([](FrmCalc *calc) {
            QCOMPARE(gTextBox->text(), QStringLiteral("0,"));
            QTest::keyPress(calc, '1');
            QVERIFY(key(calc, "chkNumber_1")->isChecked());   // looks pressed while held
            QCOMPARE(gTextBox->text(), QStringLiteral("0,")); // and acts on release
            QTest::keyRelease(calc, '1');
            QVERIFY(!key(calc, "chkNumber_1")->isChecked());
            QCOMPARE(gTextBox->text(), QStringLiteral("1,"));
            typeKeys(calc, "2+3");
            QTest::keyPress(calc, Qt::Key_Return);
            QVERIFY(key(calc, "chkOperator_4")->isChecked());
            QVERIFY(gDropped);
            QTest::keyRelease(calc, Qt::Key_Return);
            QVERIFY(!gDropped);
        });
        clickDrop();
        QCOMPARE(mOpenings, 1);
        QCOMPARE(mControl->Value(), 15.0);
        QCOMPARE(txtCalc()->text(), QStringLiteral("15,"));
        QVERIFY(gTextBox.isNull());
        QVERIFY(!cmdDrop()->isDown());
    }

    void mouseKeysActOnRelease()
    {
        whenOpen([](FrmCalc *calc) {
            QAbstractButton *seven = key(calc, "chkNumber_7");
            QTest::mousePress(seven, Qt::LeftButton);
            QVERIFY(seven->isChecked());
            QCOMPARE(gTextBox->text(), QStringLiteral("0,"));
            QMouseEvent away(QEvent::MouseMove, QPointF(-5, -5),
                             seven->mapToGlobal(QPointF(-5, -5)), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(seven, &away);
            QVERIFY(!seven->isChecked()); // dragged off: raised
            QMouseEvent back(QEvent::MouseMove, QPointF(3, 3), seven->mapToGlobal(QPointF(3, 3)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(seven, &back);
            QVERIFY(seven->isChecked());
            QTest::mouseRelease(seven, Qt::LeftButton);
            QCOMPARE(gTextBox->text(), QStringLiteral("7,"));
            QTest::mouseClick(key(calc, "chkOperator_4"), Qt::LeftButton);
        });
        clickDrop();
        QCOMPARE(mControl->Value(), 7.0);
    }

    void dropButtonOpensAndASecondClickCloses()
    {
        mControl->setProperty("Value", 4);
        whenOpen([this](FrmCalc *calc) {
            QVERIFY(QTest::qWaitForWindowActive(calc));
            QTest::keyClick(calc, '9');
            // The click outside activates the host window first, which closes the calculator;
            // the press then only turns the drop toggle back.
            mHost->activateWindow();
            QTRY_VERIFY(!gDropped);
            QVERIFY(!calc->isVisible());
            QVERIFY(gButton.mblnButton);
            clickDrop();
        });
        clickDrop();
        QCOMPARE(mOpenings, 1);
        QVERIFY(!FrmCalc::existing() || !FrmCalc::existing()->isVisible());
        // A deactivation keeps the display as the value.
        QCOMPARE(mControl->Value(), 9.0);

        whenOpen([](FrmCalc *calc) { QTest::keyClick(calc, Qt::Key_Return); });
        clickDrop();
        QCOMPARE(mOpenings, 2);
    }

    void rightClickClosesOnlyOnTheBackground()
    {
        whenOpen([](FrmCalc *calc) {
            QTest::keyClick(calc, '6');
            QTest::mouseClick(key(calc, "chkNumber_5"), Qt::RightButton);
            QVERIFY(calc->isVisible());
            QCOMPARE(gTextBox->text(), QStringLiteral("6,"));
            gButton.mblnButton = false;
            // Between the memory keys and the digits.
            QTest::mouseClick(calc, Qt::RightButton, {}, QPoint(31, 60));
            QVERIFY(!gDropped);
            QVERIFY(!calc->isVisible());
            QVERIFY(gButton.mblnButton);
        });
        clickDrop();
        QCOMPARE(mControl->Value(), 6.0);
    }

    void memoryKeysFromTheKeyboard()
    {
        whenOpen([](FrmCalc *calc) {
            auto *memory = calc->findChild<QLabel *>("lblMemory");
            QCOMPARE(memory->text(), QString());
            QTest::keyClick(calc, '8');
            QTest::keyClick(calc, Qt::Key_M, Qt::ControlModifier);
            QCOMPARE(memory->text(), QStringLiteral("M"));
            QCOMPARE(gTextBox->text(), QStringLiteral("8,"));
            QTest::keyClick(calc, Qt::Key_Escape);
            QTest::keyClick(calc, Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(gTextBox->text(), QStringLiteral("8,"));
            QTest::keyClick(calc, Qt::Key_L, Qt::ControlModifier);
            QCOMPARE(memory->text(), QString());
            QTest::keyClick(calc, Qt::Key_Enter);
        });
        clickDrop();
        QCOMPARE(mOpenings, 1);
    }

    // A key that types no character must not act again on the last typed one.
    void releasedShiftAndDeleteDoNotRepeatTheLastCharacter()
    {
        whenOpen([](FrmCalc *calc) {
            QTest::keyClick(calc, '5');
            QTest::keyPress(calc, Qt::Key_Shift);
            QTest::keyRelease(calc, Qt::Key_Shift);
            QCOMPARE(gTextBox->text(), QStringLiteral("5,"));
            QTest::keyClick(calc, Qt::Key_Left);
            QTest::keyClick(calc, Qt::Key_F2);
            QCOMPARE(gTextBox->text(), QStringLiteral("5,"));
            QTest::keyClick(calc, Qt::Key_Delete);
            QCOMPARE(gTextBox->text(), QStringLiteral("0,"));
            // A character whose key comes up after a modifier changed still acts once.
            QTest::keyPress(calc, Qt::Key_Shift);
            QTest::keyPress(calc, '3', Qt::ShiftModifier);
            QTest::keyRelease(calc, Qt::Key_Shift);
            QCOMPARE(gTextBox->text(), QStringLiteral("0,"));
            QTest::keyRelease(calc, '3');
            QCOMPARE(gTextBox->text(), QStringLiteral("3,"));
            QTest::keyClick(calc, Qt::Key_Return);
        });
        clickDrop();
        QCOMPARE(mControl->Value(), 3.0);
    }

    void colorsChangedWhileClosedApplyAtTheNextOpening()
    {
        mControl->setProperty("CalcButtonColor", 0x00FFFFu); // yellow
        mControl->setProperty("CalcOpsColor", 0xFF0000u);    // blue
        mControl->setProperty("CalcMousePointer", 2);
        whenOpen([this](FrmCalc *calc) {
            for (QAbstractButton *button : calc->findChildren<QAbstractButton *>())
                QCOMPARE(button->palette().color(QPalette::Button), QColor(Qt::yellow));
            QCOMPARE(key(calc, "chkOperator_0")->palette().color(QPalette::ButtonText),
                     QColor(Qt::blue));
            QCOMPARE(key(calc, "chkNumber_0")->palette().color(QPalette::ButtonText),
                     QColor(Qt::blue));
            QCOMPARE(key(calc, "chkCancel")->palette().color(QPalette::ButtonText),
                     QColor(0xC0, 0, 0));
            QCOMPARE(calc->cursor().shape(), Qt::CrossCursor);
            // Changed while open: shows next time.
            mControl->setProperty("CalcButtonColor", 0x0000FFu);
            QCOMPARE(key(calc, "chkNumber_1")->palette().color(QPalette::Button),
                     QColor(Qt::yellow));
            QTest::keyClick(calc, Qt::Key_Return);
        });
        clickDrop();
        whenOpen([](FrmCalc *calc) {
            QCOMPARE(key(calc, "chkNumber_1")->palette().color(QPalette::Button), QColor(Qt::red));
            QTest::keyClick(calc, Qt::Key_Return);
        });
        clickDrop();
        QCOMPARE(mOpenings, 2);
    }

    void designModePressOnlyFlipsTheFlags()
    {
        mSite.userMode = false;
        QTest::mousePress(cmdDrop(), Qt::LeftButton);
        QVERIFY(!gDropped);
        QVERIFY(!FrmCalc::existing());
        QVERIFY(!gButton.mblnButton);
        QTest::mouseRelease(cmdDrop(), Qt::LeftButton);
        QVERIFY(gButton.mblnButton);
        QCOMPARE(mOpenings, 0);
    }

    void divisionByZeroFallsBackToAModalCalculator()
    {
        whenOpen([this](FrmCalc *calc) {
            typeKeys(calc, "5/0");
            // The message does not read as a number: a modal calculator follows at once.
            QTimer::singleShot(0, this, [] {
                FrmCalc *modal = FrmCalc::existing();
                QVERIFY(modal && modal->isVisible());
                QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
                QCOMPARE(gTextBox->text(), QStringLiteral("0,"));
                typeKeys(modal, "2");
                QTest::keyClick(modal, Qt::Key_Return);
            });
            QTest::keyClick(calc, Qt::Key_Return);
        });
        clickDrop();
        QCOMPARE(mControl->Value(), 2.0);
        QCOMPARE(txtCalc()->text(), QStringLiteral("2,"));
        QVERIFY(gTextBox.isNull());
    }

    // ---- Placement

    void placement_data()
    {
        QTest::addColumn<QRect>("textBox");
        QTest::addColumn<QPoint>("expected");
        const int below = 100 + 20;
        QTest::newRow("room below and right") << QRect(200, 100, 150, 20) << QPoint(200, below);
        QTest::newRow("near the bottom opens above")
            << QRect(200, 500, 150, 20) << QPoint(200, 500 - 125);
        QTest::newRow("near the right edge is pushed left")
            << QRect(700, 100, 150, 20) << QPoint(800 - 169, below);
        QTest::newRow("left of the screen starts at its edge")
            << QRect(-30, 100, 150, 20) << QPoint(0, below);
    }

    void placement()
    {
        QFETCH(QRect, textBox);
        QFETCH(QPoint, expected);
        QCOMPARE(CalcPlacement::place(textBox, QRect(0, 0, 800, 600)), expected);
    }

    void wideScreensDoNotOverflow()
    {
        // 3000 pixels are 45000 twips, beyond a 16-bit value.
        QCOMPARE(CalcPlacement::place(QRect(2500, 100, 150, 20), QRect(0, 0, 3000, 1000)),
                 QPoint(2500, 120));
    }

    void opensAboveNearTheBottomOfAnInjectedScreen()
    {
        CalcPlacement::setScreenForTesting(QRect(0, 0, 500, 300));
        mHost->move(420, 230);
        QCoreApplication::processEvents();
        const QPoint box = txtCalc()->mapToGlobal(QPoint(0, 0));
        whenOpen([box](FrmCalc *calc) {
            QCOMPARE(calc->pos(), QPoint(500 - 169, box.y() - 125));
            QTest::keyClick(calc, Qt::Key_Return);
        });
        clickDrop();
        QCOMPARE(mOpenings, 1);
    }

    void aliveCountFollowsTheControls()
    {
        const int before = QelCbCalc::aliveCount();
        delete mControl;
        QCOMPARE(QelCbCalc::aliveCount(), before - 1);
    }
};

QTEST_MAIN(TestQelCbCalc)
#include "test_qelcbcalc.moc"
