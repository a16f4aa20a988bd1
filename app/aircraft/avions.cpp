#include "avions.h"

#include "aircraftcheck.h"
#include "aircraftpicture.h"
#include "messagebox.h"
#include "programfolder.h"
#include "soundcue.h"

#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace {
const QString registerSource = QStringLiteral("Select * from Tbl_Avions order by Avion desc");

// The form is laid out in pixels of the classic 8-point dialog font, whose average character
// is 6 by 13 pixels. Scale it to the font in use, keeping the arrangement, and widen a label
// whose text would still be clipped.
void fitToFont(QWidget *frame)
{
    const QFontMetricsF metrics(frame->font());
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const qreal sx = std::max(1.0, metrics.horizontalAdvance(alphabet) / alphabet.size() / 6.0);
    const qreal sy = std::max(1.0, metrics.height() / 13.0);
    const auto scaled = [sx, sy](const QRect &r) {
        return QRect(qRound(r.x() * sx), qRound(r.y() * sy), qRound(r.width() * sx),
                     qRound(r.height() * sy));
    };
    for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QRect geometry = scaled(child->geometry());
        if (auto *label = qobject_cast<QLabel *>(child); label && !label->text().isEmpty())
            geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
        child->setGeometry(geometry);
    }
    frame->setFixedSize(scaled(QRect(QPoint(), frame->minimumSize())).size());
}
} // namespace

Avions::Avions(QWidget *logbook, QWidget *parent)
    : QDialog(parent)
    , mDataPlane(this)
    , mLogbook(logbook)
{
    ui.setupUi(this);
    ui.clientLayout->setMenuBar(ui.menubar);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    fitToFont(ui.Frame);
    ui.Command->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    ui.Image1->setPixmap(AircraftPicture::pixmap(std::min(ui.Image1->width(), ui.Image1->height()),
                                                 palette().color(QPalette::WindowText)));
    connect(ui.Command, &QPushButton::clicked, this, [this] { fileMenuClicked(FileQuit); });
    ui.Frame->installEventFilter(this);

    mDataPlane.bind(ui.Avion, QStringLiteral("Avion"));
    mDataPlane.bind(ui.TypeAvion, QStringLiteral("Type_Avion"));
    mDataPlane.bind(ui.Société, QStringLiteral("Société"));
    ui.DataPlane->setDataSource(&mDataPlane);
    buildMenus();

    loadWindow();
}

// Also covers a register that is destroyed without having been shown.
Avions::~Avions()
{
    releaseLogbook();
}

void Avions::buildMenus()
{
    connect(ui.MNU_File_0, &QAction::triggered, this, [this] { fileMenuClicked(FileQuit); });
    mEditItems = {ui.MNU_Edit_0, ui.MNU_Edit_1, ui.MNU_Edit_2,
                  ui.MNU_Edit_3, nullptr,       ui.MNU_Edit_5};
    for (int index : {EditModify, EditNew, EditAdd, EditCancel, EditDelete})
        connect(mEditItems[index], &QAction::triggered, this,
                [this, index] { editMenuClicked(index); });
}

void Avions::loadWindow()
{
    mDataPlane.setConnect(QStringLiteral("Access 2000;"));
    mDataPlane.setDatabaseName(ProgramFolder::databasePath());
    mDataPlane.setRecordSource(registerSource);
    mDataPlane.refresh();
    if (mDataPlane.recordset().recordCount() == 0)
        newAircraft();
    if (mLogbook)
        mLogbook->setEnabled(false);
}

void Avions::setBrowsingState()
{
    ui.MNU_Edit_0->setEnabled(true);
    ui.MNU_Edit_1->setEnabled(true);
    ui.MNU_Edit_2->setEnabled(false);
    ui.MNU_Edit_3->setEnabled(false);
    ui.MNU_Edit_5->setEnabled(true);
}

void Avions::setNewAircraftState()
{
    ui.MNU_Edit_0->setEnabled(false);
    ui.MNU_Edit_1->setEnabled(false);
    ui.MNU_Edit_2->setEnabled(true);
    ui.MNU_Edit_3->setEnabled(true);
    ui.MNU_Edit_5->setEnabled(false);
}

void Avions::VérifAvions()
{
    mAircraftInvalid = 0;
    const AircraftCheck::Result result =
        AircraftCheck::check({ui.Avion->text(), ui.TypeAvion->text(), ui.Société->text()});
    // Only the boxes the check changed, so the others keep their cursor and undo history.
    const auto put = [](QLineEdit *box, const QString &text) {
        if (box->text() != text)
            box->setText(text);
    };
    put(ui.Avion, result.entry.avion);
    put(ui.TypeAvion, result.entry.typeAvion);
    put(ui.Société, result.entry.societe);
    if (!result.invalid)
        return;
    if (!result.sound.isEmpty())
        SoundCue::play(result.sound);
    MessageBox::show(result.message);
    mAircraftInvalid = 1;
}

void Avions::fileMenuClicked(int index)
{
    if (index == FileQuit)
        done(QDialog::Rejected);
}

void Avions::editMenuClicked(int index)
{
    switch (index) {
    case EditModify:
        modifyAircraft();
        break;
    case EditNew:
        newAircraft();
        break;
    case EditAdd:
        addAircraft();
        break;
    case EditCancel:
        cancelNewAircraft();
        break;
    case EditDelete:
        deleteAircraft();
        break;
    default:
        break;
    }
}

void Avions::modifyAircraft()
{
    VérifAvions();
    if (mAircraftInvalid == 1) {
        ui.Avion->setFocus();
        mAircraftInvalid = 0;
        return;
    }
    mDataPlane.updateRecord();
    Recordset &set = mDataPlane.recordset();
    set.setBookmark(set.lastModified());
}

void Avions::newAircraft()
{
    setNewAircraftState();
    mDataPlane.recordset().addNew();
}

void Avions::addAircraft()
{
    VérifAvions();
    if (mAircraftInvalid == 1) {
        ui.Avion->setFocus();
        return;
    }
    mDataPlane.updateRecord();
    Recordset &set = mDataPlane.recordset();
    set.setBookmark(set.lastModified());
    setBrowsingState();
    ui.Avion->setFocus();
}

void Avions::cancelNewAircraft()
{
    mDataPlane.recordset().cancelUpdate();
    ui.Avion->setFocus();
    setBrowsingState();
    showLastOrStartNew();
}

void Avions::deleteAircraft()
{
    SoundCue::play(QStringLiteral("supprime.wav"));
    const MsgAnswer answer = MessageBox::show(
        QStringLiteral("Attention, ne pas supprimer l'avion si vous l'avez utilisé\r\n"
                       "Voulez-vous vraiment supprimer l'enregistrement ?"),
        MsgButtons::YesNo, MsgIcon::Critical, QStringLiteral("Supprimer l'avion"));
    const int count = mDataPlane.recordset().recordCount();
    if (answer == MsgAnswer::Yes && count > 0) {
        mDataPlane.recordset().remove();
        mDataPlane.refresh();
        showLastOrStartNew();
    }
    ui.Avion->setFocus();
}

// The lowest registration; a register left empty goes to the new-aircraft state, as at load,
// since there is no row to show or to change.
void Avions::showLastOrStartNew()
{
    Recordset &set = mDataPlane.recordset();
    if (set.recordCount() == 0) {
        newAircraft();
        return;
    }
    set.moveLast();
}

void Avions::done(int result)
{
    releaseLogbook();
    QDialog::done(result);
}

void Avions::releaseLogbook()
{
    if (mLogbook)
        mLogbook->setEnabled(true);
}

bool Avions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.Frame && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            ui.MNU_Edition->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
