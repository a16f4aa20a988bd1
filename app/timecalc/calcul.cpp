#include "calcul.h"

#include "beep.h"
#include "digitfieldvalidator.h"
#include "keyasciifilter.h"
#include "messagebox.h"
#include "sharedroutines.h"

#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {
constexpr char16_t keyEnter = 13;
constexpr char16_t keyPoint = u'.';
constexpr int hoursDigits = 4;
constexpr int minutesDigits = 2;

// The whole number the digits of a box form; an empty box counts as 0.
qint64 boxValue(const QLineEdit *box)
{
    return box->text().toLongLong();
}

QString helpText()
{
    const QStringList lines = {
        QStringLiteral("Pourquoi ce bout de programme ? "),
        QStringLiteral("Parce qu'à chaque changement de page du Tarvelin"),
        QStringLiteral(", il faut faire quelques calculs d'heure."),
        QStringLiteral("Un Ch'ti peu fainéant le mec "),
        QStringLiteral(" "),
        QStringLiteral("Touche Entrer pour ajouter"),
        QStringLiteral("Touche Point pour passer d'un champ à un autre."),
        QStringLiteral("Exemple 0H15, tapez .15"),
    };
    return lines.join(QStringLiteral("\r\n"));
}
} // namespace

Calcul::Calcul(QWidget *parent)
    : QDialog(parent)
{
    ui.setupUi(this);
    setFixedSize(size());
    buildToolbar();
    installKeyHandlers();
    mButtons[Clear]->setEnabled(false);
    ui.CalcHeures->setFocus();
}

void Calcul::buildToolbar()
{
    struct Button
    {
        int index;
        const char *name;
        const char *toolTip;
        QStyle::StandardPixmap picture;
    };
    // The help button shows a picture only, with no tool tip.
    static const Button buttons[] = {
        {Quit, "Quitter", "Quitter", QStyle::SP_DialogCloseButton},
        {Add, "Ajouter", "Ajouter", QStyle::SP_DialogApplyButton},
        {Clear, "Effacer", "Effacer", QStyle::SP_DialogResetButton},
        {Help, "Aide", "", QStyle::SP_MessageBoxQuestion},
    };
    for (const Button &button : buttons) {
        // The empty positions before the help button push it to the far end of the bar; the
        // others separate the commands.
        if (button.index == Help) {
            auto *spacer = new QWidget(ui.Toolbar1);
            spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            ui.Toolbar1->addWidget(spacer);
        } else if (button.index != Quit) {
            ui.Toolbar1->addSeparator();
        }
        const int position = button.index;
        QAction *action = ui.Toolbar1->addAction(style()->standardIcon(button.picture), QString());
        action->setObjectName(QStringLiteral("Toolbar1_Button_%1").arg(position));
        action->setToolTip(QString::fromUtf8(button.toolTip));
        ui.Toolbar1->widgetForAction(action)->setAccessibleName(QString::fromUtf8(button.name));
        connect(action, &QAction::triggered, this, [this, position] { toolbarClicked(position); });
        mButtons[position] = action;
    }
}

void Calcul::installKeyHandlers()
{
    ui.CalcHeures->setValidator(new DigitFieldValidator(hoursDigits, ui.CalcHeures));
    ui.CalcMinutes->setValidator(new DigitFieldValidator(minutesDigits, ui.CalcMinutes));
    for (QLineEdit *box : {ui.CalcHeures, ui.CalcMinutes})
        new KeyAsciiFilter(box, [this, box](char16_t &keyAscii) { entryKeyPress(box, keyAscii); });
}

void Calcul::entryKeyPress(QLineEdit *box, char16_t &keyAscii)
{
    if (keyAscii == keyPoint) {
        (box == ui.CalcHeures ? ui.CalcMinutes : ui.CalcHeures)->setFocus();
        keyAscii = 0;
    } else if (keyAscii == keyEnter) {
        toolbarClicked(Add);
        keyAscii = 0;
    } else {
        DigitKeyFilter(box->text(), keyAscii);
    }
}

QAction *Calcul::toolbarButton(int index) const
{
    if (index < 1 || index > toolbarPositions)
        return nullptr;
    return mButtons[index];
}

void Calcul::toolbarClicked(int index)
{
    switch (index) {
    case Quit:
        close();
        break;
    case Add:
        addDuration();
        break;
    case Clear:
        clearTotal();
        break;
    case Help:
        showHelp();
        break;
    default:
        break;
    }
}

void Calcul::addDuration()
{
    if (ui.CalcHeures->text().isEmpty() && ui.CalcMinutes->text().isEmpty()) {
        Beep::sound();
        MessageBox::show(QStringLiteral("Il faut au moins mettre quelque chose"));
        return;
    }
    for (QLineEdit *box : {ui.CalcHeures, ui.CalcMinutes}) {
        if (box->text().isEmpty())
            box->setText(QStringLiteral("0"));
    }

    switch (mTotal.add(boxValue(ui.CalcHeures), boxValue(ui.CalcMinutes))) {
    case RunningTotal::Outcome::SixtyMinutes:
        refuse(QStringLiteral("Hé hé! 60 minutes c'est 1 heures."));
        return;
    case RunningTotal::Outcome::OverSixtyMinutes:
        refuse(QStringLiteral("Pfft, pas plus de 60 pour les minutes"));
        return;
    case RunningTotal::Outcome::Added:
        break;
    }
    ui.THeures->setText(mTotal.hoursText());
    ui.TMinutes->setText(mTotal.minutesText());
    clearEntry();
    mButtons[Clear]->setEnabled(true);
}

void Calcul::refuse(const QString &message)
{
    Beep::sound();
    MessageBox::show(message);
    clearEntry();
}

void Calcul::clearEntry()
{
    ui.CalcHeures->clear();
    ui.CalcMinutes->clear();
    ui.CalcHeures->setFocus();
}

void Calcul::clearTotal()
{
    mTotal.clear();
    ui.THeures->clear();
    ui.TMinutes->clear();
    mButtons[Clear]->setEnabled(false);
}

void Calcul::showHelp()
{
    MessageBox::show(helpText(), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("  "));
}
