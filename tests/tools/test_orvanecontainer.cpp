// The design-mode container: controls placed by program identifier, selection and the two
// modes, and the form saved to JSON and loaded back.

#include "registeredorvane.h"

#include <containerwindow.h>
#include <designform.h>
#include <designsite.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

class TestOrvaneContainer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveAndLoadRoundTrip();
    void designModeTakesTheMouse();
    void unknownProgIdIsReported();
    void fileThatIsNoFormLeavesTheForm();

private:
    static QWidget *add(DesignForm &form);

    RegisteredOrvane mOrvane;
};

void TestOrvaneContainer::initTestCase()
{
    QString reason;
    QVERIFY2(mOrvane.setUp(&reason), qPrintable(reason));
}

QWidget *TestOrvaneContainer::add(DesignForm &form)
{
    QString reason;
    QWidget *control = form.addControl(QStringLiteral("Orvane.QelCbCalc"),
                                       QPoint(10, 10 + 40 * int(form.controls().size())), &reason);
    if (!control)
        qWarning("%s", qPrintable(reason));
    return control;
}

namespace {

QStringList propertyNames(const QJsonObject &control)
{
    QStringList names;
    for (const QJsonValue &entry : control.value(QStringLiteral("properties")).toArray())
        names.append(entry.toObject().value(QStringLiteral("name")).toString());
    return names;
}

} // namespace

void TestOrvaneContainer::saveAndLoadRoundTrip()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("feuille.json"));
    {
        ContainerWindow window;
        QVERIFY(window.insertControl(QStringLiteral("Orvane.QelCbCalc")));
        QVERIFY(window.insertControl(QStringLiteral("Orvane.QelCbCalc")));
        const QList<QWidget *> controls = window.form()->controls();
        controls[0]->setProperty("OutPutFormat", 2);
        controls[0]->setProperty("Value", 12.5);
        controls[0]->setProperty("CalcBackColor", 0x8000000Du);
        controls[1]->setProperty("Locked", true);
        controls[1]->move(40, 90);
        QVERIFY(window.form()->isModified());
        QVERIFY(window.saveFile(path));
        QVERIFY(!window.form()->isModified());
    }

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray saved = QJsonDocument::fromJson(file.readAll()).object()["controls"].toArray();
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved[0]["progId"].toString(), QStringLiteral("Orvane.QelCbCalc"));
    QCOMPARE(saved[0]["name"].toString(), QStringLiteral("QelCbCalc1"));
    QCOMPARE(saved[1]["name"].toString(), QStringLiteral("QelCbCalc2"));
    // Only what differs from the defaults, under the exact names, in the control's order. The
    // drop button's picture is always written: its saving default is no picture.
    QCOMPARE(propertyNames(saved[0].toObject()),
             (QStringList{"Value", "CalcBackColor", "OutPutFormat", "ButtonPicture"}));
    QCOMPARE(propertyNames(saved[1].toObject()), (QStringList{"Locked", "ButtonPicture"}));

    ContainerWindow reopened;
    QVERIFY(reopened.openFile(path));
    const QList<QWidget *> controls = reopened.form()->controls();
    QCOMPARE(controls.size(), 2);
    QCOMPARE(controls[0]->objectName(), QStringLiteral("QelCbCalc1"));
    QCOMPARE(controls[0]->property("Value").toDouble(), 12.5);
    QCOMPARE(controls[0]->property("OutPutFormat").toInt(), 2);
    QCOMPARE(controls[0]->property("CalcBackColor").toUInt(), 0x8000000Du);
    QCOMPARE(controls[0]->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->text(),
             QStringLiteral("12,5"));
    QCOMPARE(controls[1]->property("Locked").toBool(), true);
    QCOMPARE(controls[1]->pos(), QPoint(40, 90));
    QVERIFY(!reopened.form()->isModified());
    QCOMPARE(reopened.filePath(), path);
}

void TestOrvaneContainer::designModeTakesTheMouse()
{
    DesignForm form;
    form.show();
    QWidget *first = add(form);
    QWidget *second = add(form);
    QVERIFY(first && second);
    auto *site = first->findChild<DesignSite *>();
    QVERIFY(site);
    QVERIFY(!site->ambientUserMode());

    // A click on a part of a control selects the control; Ctrl+click adds the next one.
    auto *text = first->findChild<QLineEdit *>(QStringLiteral("txtCalc"));
    QTest::mouseClick(text, Qt::LeftButton);
    QCOMPARE(form.selection(), (QList<QWidget *>{first}));
    QTest::mouseClick(second->findChild<QLineEdit *>(QStringLiteral("txtCalc")), Qt::LeftButton,
                      Qt::ControlModifier);
    QCOMPARE(form.selection(), (QList<QWidget *>{first, second}));
    // Typing reaches no control being designed.
    QTest::keyClicks(text, QStringLiteral("7"));
    QCOMPARE(text->text(), QStringLiteral("0,"));

    // A drag moves the control.
    QTest::mousePress(text, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(text, QPoint(25, 15));
    QTest::mouseRelease(text, Qt::LeftButton, {}, QPoint(25, 15));
    QCOMPARE(first->pos(), QPoint(30, 20));

    form.setUserMode(true);
    QVERIFY(site->ambientUserMode());
    QTest::mouseClick(text, Qt::LeftButton);
    QCOMPARE(form.selection(), (QList<QWidget *>{first, second}));
    QTest::keyClicks(text, QStringLiteral("7"));
    QCOMPARE(text->text(), QStringLiteral("0,7"));
}

void TestOrvaneContainer::unknownProgIdIsReported()
{
    DesignForm form;
    QString reason;
    QVERIFY(!form.addControl(QStringLiteral("Nulle.Part"), QPoint(), &reason));
    QCOMPARE(
        reason,
        QStringLiteral("La bibliothèque « Nulle.so » du contrôle « Nulle.Part » est introuvable."));
    QVERIFY(form.controls().isEmpty());
}

void TestOrvaneContainer::fileThatIsNoFormLeavesTheForm()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("autre.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[1, 2, 3]");
    file.close();

    DesignForm form;
    QVERIFY(add(form));
    QString reason;
    QVERIFY(!form.load(path, &reason));
    QCOMPARE(reason,
             QStringLiteral("Le fichier « %1 » n'est pas une feuille de contrôles.").arg(path));
    QCOMPARE(form.controls().size(), 1);
}

QTEST_MAIN(TestOrvaneContainer)
#include "test_orvanecontainer.moc"
