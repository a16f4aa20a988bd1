#include "accueil.h"

#include "messagebox.h"
#include "sharedroutines.h"
#include "version.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

Accueil::Accueil(std::function<void()> showLogbook, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , mShowLogbook(std::move(showLogbook))
{
    ui.setupUi(this);
    setFixedSize(size());
    ui.lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                               .arg(TarvelinVersion::major)
                               .arg(TarvelinVersion::minor)
                               .arg(TarvelinVersion::revision));
    ui.lblProductName->setText(MessageBox::applicationTitle());
    ui.lblLicenseTo->setText(QStringLiteral("Licence accordée à :  ") + UserName());
    ui.lblCopyright->setText(QStringLiteral("© 2026 Les développeurs de Tarvelin"));
    for (QLabel *label : {ui.lblProductName, ui.lblVersion})
        label->adjustSize(); // the platform font may be wider than the original

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    ui.Frame1->installEventFilter(this);
    for (QWidget *child : ui.Frame1->findChildren<QWidget *>())
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    mTimer1.setInterval(3000);
    connect(&mTimer1, &QTimer::timeout, this, &Accueil::timerTick);
    mTimer1.start();
}

void Accueil::timerTick()
{
    if (mTimer1.isActive())
        endSplash();
}

void Accueil::endSplash()
{
    hide();
    mTimer1.stop();
    if (auto showLogbook = std::exchange(mShowLogbook, nullptr))
        showLogbook();
}

bool Accueil::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.Frame1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        endSplash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
