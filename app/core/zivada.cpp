#include "zivada.h"

#include "childwindows.h"
#include "clippedtexttooltip.h"
#include "clock.h"
#include "controlhost.h"
#include "datecombo.h"
#include "flighttablemodel.h"
#include "messagebox.h"
#include "programend.h"
#include "programfolder.h"
#include "soundcue.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace {
const QString orderedFlights = QStringLiteral("SELECT * FROM Tbl_Vols ORDER BY Date DESC");
const QString allFlights = QStringLiteral("SELECT * FROM Tbl_Vols");
const QString allAircraft = QStringLiteral("SELECT * FROM Tbl_Avions");

constexpr int twipsPerPixel = 15;
constexpr int clientWidth = 9450 / twipsPerPixel;
constexpr int clientHeight = 5970 / twipsPerPixel;

// Num, Date, Avion, Type, Société, Durée, Vol, Commentaires.
constexpr int columnTwips[] = {450, 1000, 700, 1100, 1550, 530, 400, 4000};
// The widest usual content of the narrow columns, which must stay readable whatever the font.
const char *const columnSamples[] = {"00000", "00/00/0000", "F-GKLM", "", "", "0000", "", ""};

// Toolbar positions; the odd ones are spacers.
enum ToolbarButton {
    Quit = 2,
    Aircraft = 4,
    Calendar = 6,
    Calculator = 8,
    HoursCalc = 10,
    Hours = 12
};

enum FileItem { FileAircraft = 0, FileQuit = 2 };
enum EditItem { EditModify = 0, EditNew = 1, EditDelete = 3 };

const QColor numCellColor(0, 255, 255); // cyan
} // namespace

Zivada::Zivada(ChildWindows &children, QWidget *parent)
    : QMainWindow(parent)
    , mChildren(children)
    , mData1(this)
    , mData2(this)
{
    ui.setupUi(this);
    mModel = new FlightTableModel(mData1, this);
    ui.MSFlexGrid1->setModel(mModel);
    ui.MSFlexGrid1->setItemDelegate(new ClippedTextToolTip(ui.MSFlexGrid1));
    buildMenus();
    buildToolbar();

    auto *today = new QLabel(Clock::today().toString(QStringLiteral("dd/MM/yyyy")));
    today->setObjectName(QStringLiteral("StatusBarPanel1"));
    today->setMinimumWidth(1764 / twipsPerPixel);
    ui.StatusBar->addWidget(today);

    connect(ui.MSFlexGrid1, &QTableView::clicked, this, &Zivada::gridClicked);
    connect(ui.MSFlexGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Zivada::gridCurrentChanged);
    ui.MSFlexGrid1->viewport()->installEventFilter(this);

    loadWindow();
}

Zivada::~Zivada()
{
    // The grid goes with the window's children, after the data sources it reads.
    ui.MSFlexGrid1->setModel(nullptr);
}

void Zivada::buildMenus()
{
    mFileItems = {ui.MNU_File_0, nullptr, ui.MNU_File_2};
    mEditItems = {ui.MNU_Edit_0, ui.MNU_Edit_1, nullptr, ui.MNU_Edit_3};
    for (int index : {FileAircraft, FileQuit})
        connect(mFileItems[index], &QAction::triggered, this,
                [this, index] { fileMenuClicked(index); });
    for (int index : {EditModify, EditNew, EditDelete})
        connect(mEditItems[index], &QAction::triggered, this,
                [this, index] { editMenuClicked(index); });
}

void Zivada::buildToolbar()
{
    struct Button
    {
        int index;
        const char *toolTip;
        QStyle::StandardPixmap picture;
    };
    static const Button buttons[] = {
        {Quit, "Quitter", QStyle::SP_DialogCloseButton},
        {Aircraft, "Avions", QStyle::SP_DirHomeIcon},
        {Calendar, "Calendrier", QStyle::SP_FileDialogDetailedView},
        {Calculator, "Calculatrice", QStyle::SP_ComputerIcon},
        {HoursCalc, "Calcul d'heures", QStyle::SP_BrowserReload},
        {Hours, "Graphiques et heures de vol", QStyle::SP_FileDialogInfoView},
    };
    for (const Button &button : buttons) {
        ui.Toolbar->addSeparator();
        const QString tip = QString::fromUtf8(button.toolTip);
        QAction *action = ui.Toolbar->addAction(style()->standardIcon(button.picture), tip);
        action->setObjectName(QStringLiteral("Toolbar_Button_%1").arg(button.index));
        action->setToolTip(tip);
        const int index = button.index;
        connect(action, &QAction::triggered, this, [this, index] { toolbarClicked(index); });
    }

    // The two controls lie inside the toolbar at places of their own, not in its row of buttons.
    mDateControl = new DateCombo(ui.Toolbar);
    mDateControl->setObjectName(QStringLiteral("QelCbDate"));
    placeInToolbar(mDateControl, QRect(3120, 30, 1215, 315));

    mCalcControl = ControlHost::createControl(QStringLiteral("Orvane.QelCbCalc"), ui.Toolbar,
                                              &mCalcControlProblem);
    if (mCalcControl) {
        mCalcControl->setObjectName(QStringLiteral("QelCbCalc"));
        placeInToolbar(mCalcControl, QRect(6000, 30, 1335, 315));
    }
}

// Places a toolbar control at its spot in twips, hidden; it may be wider where the platform
// font needs it.
void Zivada::placeInToolbar(QWidget *control, const QRect &twips)
{
    const int width = std::max(twips.width() / twipsPerPixel, control->sizeHint().width());
    control->setGeometry(twips.x() / twipsPerPixel, twips.y() / twipsPerPixel, width,
                         std::max(twips.height() / twipsPerPixel, control->sizeHint().height()));
    control->hide();
}

void Zivada::loadWindow()
{
    openDatabase(mData1, orderedFlights);
    QHeaderView *header = ui.MSFlexGrid1->horizontalHeader();
    const QFontMetrics metrics(header->font());
    for (int column = 0; column < int(std::size(columnTwips)); ++column) {
        // Keep names and usual values readable where the platform font is wider than the original.
        const QString name = mModel->headerData(column, Qt::Horizontal).toString();
        const int textWidth =
            std::max(metrics.horizontalAdvance(name),
                     metrics.horizontalAdvance(QLatin1String(columnSamples[column])));
        ui.MSFlexGrid1->setColumnWidth(
            column, std::max(columnTwips[column] / twipsPerPixel, textWidth + 12));
    }
    ui.MSFlexGrid1->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    setEditCommandsEnabled(false);

    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFixedSize(clientWidth, menuBar()->sizeHint().height() + clientHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Zivada::openDatabase(DataSource &source, const QString &statement)
{
    source.setConnect(QStringLiteral("Access 2000;"));
    source.setDatabaseName(ProgramFolder::databasePath());
    source.setRecordSource(statement);
    source.refresh();
}

void Zivada::refreshFlights()
{
    openDatabase(mData1, orderedFlights);
    ui.MSFlexGrid1->viewport()->update();
}

bool Zivada::gridHoldsFlights() const
{
    return mModel->rowCount() > 0;
}

void Zivada::setEditCommandsEnabled(bool enabled)
{
    mEditItems[EditModify]->setEnabled(enabled);
    mEditItems[EditDelete]->setEnabled(enabled);
}

void Zivada::gridClicked(const QModelIndex &index)
{
    if (index.column() != 0) {
        setEditCommandsEnabled(false);
        return;
    }
    mModel->setCellBackground(index, numCellColor);
    setEditCommandsEnabled(true);
}

void Zivada::gridCurrentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    Q_UNUSED(current);
    mModel->setCellBackground(previous, QColor());
}

bool Zivada::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.MSFlexGrid1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            ui.MNU_Edition->popup(mouse->globalPosition().toPoint());
            return true; // the current cell stays where it is
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The Num of the current cell into SelectedNum; false when no flight's Num cell is current.
bool Zivada::takeSelectedNum()
{
    const QModelIndex current = ui.MSFlexGrid1->currentIndex();
    if (!gridHoldsFlights() || !current.isValid() || current.column() != 0)
        return false;
    bool isNumber = false;
    const qint64 num = mModel->data(current).toLongLong(&isNumber);
    if (!isNumber)
        return false;
    mSelectedNum = num;
    return true;
}

void Zivada::fileMenuClicked(int index)
{
    if (index == FileAircraft)
        mChildren.showAircraftRegister(*this);
    else if (index == FileQuit)
        ProgramEnd::now(0);
}

void Zivada::editMenuClicked(int index)
{
    if (index == EditModify)
        editFlight();
    else if (index == EditNew)
        newFlight();
    else if (index == EditDelete)
        deleteFlight();
}

void Zivada::editFlight()
{
    if (takeSelectedNum())
        mChildren.showEditFlight(*this);
}

void Zivada::newFlight()
{
    if (!gridHoldsFlights()) {
        openDatabase(mData2, allAircraft);
        if (mData2.recordset().recordCount() == 0) {
            MessageBox::show(QStringLiteral("Il faut commencer par ajouter des avions"));
            fileMenuClicked(FileAircraft);
            return;
        }
    }
    mChildren.showAddFlight(*this);
}

void Zivada::deleteFlight()
{
    if (!takeSelectedNum())
        return;
    SoundCue::play(QStringLiteral("supprime.wav"));
    const MsgAnswer answer = MessageBox::show(
        QStringLiteral("Voulez-vous vraiment supprimer l'enregistrement  %1 ?").arg(mSelectedNum),
        MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Supprimer enregistrement"));
    if (answer != MsgAnswer::Yes || mData1.recordset().recordCount() == 0)
        return;

    openDatabase(mData1, allFlights);
    Recordset &flights = mData1.recordset();
    while (!flights.eof() && flights.field(QStringLiteral("Num")).toLongLong() != mSelectedNum)
        flights.moveNext();
    // The set is read again on the ordered query at once, so no refresh in between.
    if (!flights.eof())
        flights.remove();
    refreshFlights();
}

void Zivada::toolbarClicked(int index)
{
    switch (index) {
    case Quit:
        fileMenuClicked(FileQuit);
        break;
    case Aircraft:
        fileMenuClicked(FileAircraft);
        break;
    case Calendar:
        toggleDateControl();
        break;
    case Calculator:
        toggleCalculatorControl();
        break;
    case HoursCalc:
        mChildren.showHoursCalculator(*this);
        break;
    case Hours:
        if (gridHoldsFlights())
            mChildren.showHoursStatistics(*this);
        break;
    default:
        break;
    }
}

void Zivada::toggleDateControl()
{
    if (dateControlVisible()) {
        mDateControl->hide();
        return;
    }
    mDateControl->show();
    mDateControl->setValue(Clock::today());
}

void Zivada::toggleCalculatorControl()
{
    if (!mCalcControl) {
        MessageBox::show(QStringLiteral("La calculatrice n'est pas disponible.\n") +
                         mCalcControlProblem);
        return;
    }
    if (calculatorControlVisible()) {
        mCalcControl->hide();
        return;
    }
    mCalcControl->setProperty("Value", 0);
    mCalcControl->show();
    mCalcControl->setFocus();
}

bool Zivada::dateControlVisible() const
{
    return !mDateControl->isHidden();
}

bool Zivada::calculatorControlVisible() const
{
    return mCalcControl && !mCalcControl->isHidden();
}

void Zivada::closeEvent(QCloseEvent *event)
{
    // The window's close button ends the program like Quitter: the hidden splash would
    // otherwise keep it running.
    event->ignore();
    fileMenuClicked(FileQuit);
}
