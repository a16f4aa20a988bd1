#include "tarvelinapplication.h"

#include "engineerror.h"
#include "messagebox.h"
#include "programend.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TarvelinApplication::TarvelinApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(MessageBox::applicationTitle());
    setApplicationVersion(QStringLiteral("4.0.1"));
    loadFrenchTranslations();
}

void TarvelinApplication::loadFrenchTranslations()
{
    // The interface is French whatever the system's language: standard buttons read
    // "Oui"/"Non", the calendar shows French month names.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TarvelinApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EngineError &error) {
        endOnError(error.text());
    } catch (const std::exception &error) {
        endOnError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void TarvelinApplication::endOnError(const QString &text)
{
    MessageBox::show(text, MsgButtons::Ok, MsgIcon::Critical);
    ProgramEnd::now(1);
}
