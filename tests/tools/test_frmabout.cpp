// The About box of Orvane, shown by the control's ShowAboutFrm through late binding, with the
// library loaded by its program identifier.

#include "registeredorvane.h"

#include <designform.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

// Takes the links the desktop would open.
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestFrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void showsTheLibraryAndOpensItsLinks();

private:
    RegisteredOrvane mOrvane;
    LinkRecorder mLinks;
};

void TestFrmAbout::initTestCase()
{
    QString reason;
    QVERIFY2(mOrvane.setUp(&reason), qPrintable(reason));
    for (const char *scheme : {"mailto", "https", "http"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &mLinks, "open");
}

void TestFrmAbout::cleanupTestCase()
{
    for (const char *scheme : {"mailto", "https", "http"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestFrmAbout::showsTheLibraryAndOpensItsLinks()
{
    DesignForm form;
    QString reason;
    QWidget *control = form.addControl(QStringLiteral("Orvane.QelCbCalc"), QPoint(10, 10), &reason);
    QVERIFY2(control, qPrintable(reason));

    struct Seen
    {
        QString caption, info, copyright, email, url;
        QPoint hotSpot;
        bool modal = false;
    } seen;
    // The box is modal: it is read and answered when it shows.
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&answer, &seen] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QLatin1String("frmAbout"))
            return;
        answer.stop();
        const auto text = [box](const char *name) {
            return box->findChild<QLabel *>(QLatin1String(name))->text();
        };
        seen = {box->windowTitle(), text("lblControlInfo"), text("lblcopyright"),
                text("lblEmail"),   text("lblUrl"),         {},
                box->isModal()};
        auto *email = box->findChild<QLabel *>(QStringLiteral("lblEmail"));
        auto *url = box->findChild<QLabel *>(QStringLiteral("lblUrl"));
        if (url->cursor().shape() == Qt::BitmapCursor &&
            email->cursor().hotSpot() == url->cursor().hotSpot())
            seen.hotSpot = url->cursor().hotSpot();
        QTest::mouseClick(email, Qt::LeftButton);
        QTest::mouseClick(url, Qt::LeftButton);
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOk")), Qt::LeftButton);
    });
    answer.start(10);
    QVERIFY(QMetaObject::invokeMethod(control, "ShowAboutFrm"));

    QVERIFY(seen.modal);
    QCOMPARE(seen.caption, QStringLiteral("À propos de Orvane"));
    QCOMPARE(seen.info, QStringLiteral("Orvane.ocx  V1.0.0"));
    QVERIFY(seen.copyright.startsWith(QStringLiteral("Copyright © ")));
    QCOMPARE(seen.email, QStringLiteral("orvane@example.org"));
    QCOMPARE(seen.url, QStringLiteral("https://www.example.org/orvane/"));
    QCOMPARE(seen.hotSpot, QPoint(12, 4));
    QCOMPARE(mLinks.opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:orvane@example.org")),
                                         QUrl(QStringLiteral("https://www.example.org/orvane/"))}));
    // Closed by Ok, the box is gone, not hidden.
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY(window->objectName() != QLatin1String("frmAbout"));
}

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
