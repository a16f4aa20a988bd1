// The property pages of QelCbCalc in the container's frame: the library's page "General" and
// the container's font, colour and picture pages, on controls made by program identifier.

#include "registeredorvane.h"

#include <designform.h>
#include <propertypageframe.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// On the box itself: a click on the blank right of a check box's text is no click on it.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

} // namespace

class TestPropertyPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void framePagesInOrder();
    void generalShowsFormatAndAppliesAnother();
    void generalTicksAndEnabledTogether();
    void generalChangesOnlyTheFirstSelected();
    void generalAppliesInItsOrder();
    void generalFormatOutsideTheListStaysUnlessPicked();
    void generalValueThatIsNoNumberLeavesValue();
    void annulerLeavesTheControl();
    void fontPageSetsEverySelected();
    void colorPageOffersSystemColors();
    void picturePageLoadsAndClears();

private:
    QWidget *addControl();
    void openFrame();
    template <typename T> T *inPage(const char *name) const;

    RegisteredOrvane mOrvane;
    std::unique_ptr<DesignForm> mForm;
    std::unique_ptr<PropertyPageFrame> mFrame;
};

void TestPropertyPages::initTestCase()
{
    QString reason;
    QVERIFY2(mOrvane.setUp(&reason), qPrintable(reason));
}

void TestPropertyPages::init()
{
    mForm = std::make_unique<DesignForm>();
    mForm->show();
}

void TestPropertyPages::cleanup()
{
    mFrame.reset();
    mForm.reset();
}

QWidget *TestPropertyPages::addControl()
{
    QString reason;
    QWidget *control =
        mForm->addControl(QStringLiteral("Orvane.QelCbCalc"),
                          QPoint(10, 10 + 40 * int(mForm->controls().size())), &reason);
    if (!control)
        qWarning("%s", qPrintable(reason));
    return control;
}

void TestPropertyPages::openFrame()
{
    mFrame = std::make_unique<PropertyPageFrame>(mForm->selectedObjects());
    mFrame->show();
}

template <typename T> T *TestPropertyPages::inPage(const char *name) const
{
    T *widget = mFrame->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no widget %s", name);
    return widget;
}

void TestPropertyPages::framePagesInOrder()
{
    QVERIFY(addControl());
    openFrame();
    auto *tabs = mFrame->findChild<QTabWidget *>(QStringLiteral("tabPages"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->tabText(i));
    QCOMPARE(captions, (QStringList{"General", "Police", "Couleurs", "Images"}));
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("General"));
    // Filling the pages in is not a change.
    QVERIFY(!inPage<QPushButton>("cmdApply")->isEnabled());
}

void TestPropertyPages::generalShowsFormatAndAppliesAnother()
{
    QWidget *control = addControl();
    QVERIFY(control);
    control->setProperty("OutPutFormat", 7);
    control->setProperty("Value", 1234.56789);
    openFrame();

    auto *format = inPage<QComboBox>("cmbOutputFormat");
    QCOMPARE(format->currentText(), QStringLiteral("7 - calcOFScientific"));
    // The scientific text keeps three digits, and so does the value read back from it.
    QCOMPARE(inPage<QLineEdit>("txtValue")->text(), QStringLiteral("1230"));

    QTest::keyClicks(format, QStringLiteral("2"));
    auto *value = inPage<QLineEdit>("txtValue");
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("1234,56789"));
    QCOMPARE(format->currentText(), QStringLiteral("2 - calcOFTwoDecimal"));
    auto *apply = inPage<QPushButton>("cmdApply");
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);

    QVERIFY(!apply->isEnabled());
    QCOMPARE(control->property("OutPutFormat").toInt(), 2);
    QCOMPARE(control->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->text(),
             QStringLiteral("1234,57"));
    QCOMPARE(control->property("Value").toDouble(), 1234.57);
}

void TestPropertyPages::generalTicksAndEnabledTogether()
{
    QWidget *control = addControl();
    QVERIFY(control);
    control->setProperty("Locked", true);
    openFrame();

    auto *enabled = inPage<QCheckBox>("chkEnabled");
    auto *locked = inPage<QCheckBox>("chkLocked");
    QVERIFY(enabled->isChecked());
    QVERIFY(locked->isChecked());

    clickBox(enabled);
    QVERIFY(!enabled->isChecked());
    QVERIFY(inPage<QPushButton>("cmdApply")->isEnabled());
    QTest::mouseClick(inPage<QPushButton>("cmdOk"), Qt::LeftButton);

    QCOMPARE(mFrame->result(), int(QDialog::Accepted));
    QCOMPARE(control->property("Enabled").toBool(), false);
    QCOMPARE(control->property("Locked").toBool(), true);
    auto *text = control->findChild<QLineEdit *>(QStringLiteral("txtCalc"));
    QWidget *drop = control->findChild<QWidget *>(QStringLiteral("cmdDrop"));
    QVERIFY(drop);
    QVERIFY(!text->isEnabled());
    QVERIFY(!drop->isEnabled());
    QVERIFY(text->isReadOnly());
}

void TestPropertyPages::generalChangesOnlyTheFirstSelected()
{
    QWidget *first = addControl();
    QWidget *second = addControl();
    QVERIFY(first && second);
    first->setProperty("Value", 1.0);
    second->setProperty("Value", 2.0);
    mForm->select(first);
    mForm->select(second, true);
    openFrame();

    auto *value = inPage<QLineEdit>("txtValue");
    QCOMPARE(value->text(), QStringLiteral("1"));
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("3,5"));
    clickBox(inPage<QCheckBox>("chkLocked"));
    QTest::keyClicks(inPage<QComboBox>("cmbOutputFormat"), QStringLiteral("3"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);

    QCOMPARE(first->property("Value").toDouble(), 3.5);
    QCOMPARE(first->property("Locked").toBool(), true);
    QCOMPARE(first->property("OutPutFormat").toInt(), 3);
    QCOMPARE(first->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->text(),
             QStringLiteral("3,5"));
    QCOMPARE(second->property("Value").toDouble(), 2.0);
    QCOMPARE(second->property("Locked").toBool(), false);
    QCOMPARE(second->property("OutPutFormat").toInt(), 0);
    QCOMPARE(second->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->text(),
             QStringLiteral("2,"));
}

void TestPropertyPages::generalAppliesInItsOrder()
{
    QWidget *control = addControl();
    QVERIFY(control);
    openFrame();
    QStringList told;
    connect(mForm.get(), &DesignForm::propertyChanged, this,
            [&told](QWidget *, const QString &name) { told.append(name); });
    auto *value = inPage<QLineEdit>("txtValue");
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("4"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);

    // Locked, Enabled, OutPutFormat (whose put puts Value again), then Value from the text.
    QCOMPARE(told, (QStringList{"Locked", "Enabled", "Value", "OutPutFormat", "Value"}));
    QCOMPARE(control->property("Value").toDouble(), 4.0);
}

void TestPropertyPages::generalFormatOutsideTheListStaysUnlessPicked()
{
    QWidget *control = addControl();
    QVERIFY(control);
    control->setProperty("OutPutFormat", 12);
    openFrame();

    auto *format = inPage<QComboBox>("cmbOutputFormat");
    QCOMPARE(format->currentIndex(), -1);
    clickBox(inPage<QCheckBox>("chkLocked"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);
    QCOMPARE(control->property("Locked").toBool(), true);
    QCOMPARE(control->property("OutPutFormat").toInt(), 12);

    QTest::keyClicks(format, QStringLiteral("8"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);
    QCOMPARE(control->property("OutPutFormat").toInt(), 8);
}

void TestPropertyPages::generalValueThatIsNoNumberLeavesValue()
{
    QWidget *control = addControl();
    QVERIFY(control);
    control->setProperty("Value", 5.25);
    openFrame();

    auto *value = inPage<QLineEdit>("txtValue");
    value->selectAll();
    QTest::keyClicks(value, QStringLiteral("abc"));
    clickBox(inPage<QCheckBox>("chkLocked"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);

    // The other properties are still written.
    QCOMPARE(control->property("Locked").toBool(), true);
    QCOMPARE(control->property("Value").toDouble(), 5.25);
    QCOMPARE(control->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->text(),
             QStringLiteral("5,25"));
}

void TestPropertyPages::annulerLeavesTheControl()
{
    QWidget *control = addControl();
    QVERIFY(control);
    openFrame();
    clickBox(inPage<QCheckBox>("chkLocked"));
    QVERIFY(inPage<QPushButton>("cmdApply")->isEnabled());
    QTest::mouseClick(inPage<QPushButton>("cmdCancel"), Qt::LeftButton);
    QCOMPARE(mFrame->result(), int(QDialog::Rejected));
    QCOMPARE(control->property("Locked").toBool(), false);
}

void TestPropertyPages::fontPageSetsEverySelected()
{
    QWidget *first = addControl();
    QWidget *second = addControl();
    QVERIFY(first && second);
    mForm->select(first);
    mForm->select(second, true);
    openFrame();

    auto *property = inPage<QComboBox>("cmbProperty");
    QCOMPARE(property->currentText(), QStringLiteral("Font"));
    QCOMPARE(property->count(), 1);
    clickBox(inPage<QCheckBox>("chkBold"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);

    QVERIFY(first->property("Font").value<QFont>().bold());
    QVERIFY(second->property("Font").value<QFont>().bold());
    QVERIFY(first->findChild<QLineEdit *>(QStringLiteral("txtCalc"))->font().bold());
}

void TestPropertyPages::colorPageOffersSystemColors()
{
    QWidget *control = addControl();
    QVERIFY(control);
    openFrame();

    auto *properties = mFrame->findChild<QWidget *>(QStringLiteral("ColorPage"))
                           ->findChild<QListWidget *>(QStringLiteral("lstProperties"));
    QStringList names;
    for (int row = 0; row < properties->count(); ++row)
        names.append(properties->item(row)->text());
    QCOMPARE(names,
             (QStringList{"BackColor", "ForeColor", "CalcBackColor", "CalcNumberColor",
                          "CalcMemoryColor", "CalcOpsColor", "CalcButtonColor", "CalcCancelColor",
                          "CalcMemStatBackColor", "CalcMemStatColor", "CalcAdvOpsColor"}));

    properties->setCurrentRow(names.indexOf("CalcBackColor"));
    auto *set = inPage<QComboBox>("cmbPalette");
    auto *colors = inPage<QListWidget>("lstColors");
    QCOMPARE(set->currentText(), QStringLiteral("Couleurs système"));
    QCOMPARE(colors->currentItem()->text(), QStringLiteral("Face des boutons"));

    const auto pick = [colors](const QString &name) {
        const QList<QListWidgetItem *> found = colors->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        colors->scrollToItem(found.first());
        QTest::mouseClick(colors->viewport(), Qt::LeftButton, {},
                          colors->visualItemRect(found.first()).center());
    };
    pick(QStringLiteral("Surbrillance"));
    properties->setCurrentRow(names.indexOf("CalcNumberColor"));
    QCOMPARE(set->currentText(), QStringLiteral("Palette"));
    QCOMPARE(colors->currentItem()->text(), QStringLiteral("Bleu"));
    pick(QStringLiteral("Rouge foncé"));
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);

    QCOMPARE(control->property("CalcBackColor").toUInt(), 0x8000000Du);
    QCOMPARE(control->property("CalcNumberColor").toUInt(), 0x000080u);
}

void TestPropertyPages::picturePageLoadsAndClears()
{
    QWidget *control = addControl();
    QVERIFY(control);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("fleche.png"));
    QImage image(9, 7, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(path));
    openFrame();

    auto *properties = mFrame->findChild<QWidget *>(QStringLiteral("PicturePage"))
                           ->findChild<QListWidget *>(QStringLiteral("lstProperties"));
    QCOMPARE(properties->count(), 4);
    properties->setCurrentItem(
        properties->findItems("DownButtonPicture", Qt::MatchExactly).first());

    // The file chooser is answered when it shows: the path typed as its file name, then accepted.
    // Typing (rather than selecting) does not depend on which of its children has the focus.
    // A chooser that does not close is answered again, and after a few seconds everything
    // modal is dismissed so that the test fails instead of waiting forever.
    QTimer answer;
    int attempts = 0;
    connect(&answer, &QTimer::timeout, this, [&attempts, &path] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog && ++attempts < 500) {
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
            static_cast<QDialog *>(dialog)->accept();
        } else if (modal) {
            qWarning("dismissing %s", modal->metaObject()->className());
            modal->close();
        }
    });
    answer.start(10);
    QTest::mouseClick(inPage<QPushButton>("cmdBrowse"), Qt::LeftButton);
    answer.stop();
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);
    QCOMPARE(control->property("DownButtonPicture").value<QPixmap>().size(), QSize(9, 7));

    properties->setCurrentItem(properties->findItems("ButtonPicture", Qt::MatchExactly).first());
    QVERIFY(!control->property("ButtonPicture").value<QPixmap>().isNull());
    QTest::mouseClick(inPage<QPushButton>("cmdClear"), Qt::LeftButton);
    QTest::mouseClick(inPage<QPushButton>("cmdApply"), Qt::LeftButton);
    QVERIFY(control->property("ButtonPicture").value<QPixmap>().isNull());
    QCOMPARE(control->property("DownButtonPicture").value<QPixmap>().size(), QSize(9, 7));
}

QTEST_MAIN(TestPropertyPages)
#include "test_propertypages.moc"
