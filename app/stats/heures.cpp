#include "heures.h"

#include "clock.h"
#include "messagebox.h"
#include "periodquery.h"
#include "programfolder.h"
#include "xlsxautomation.h"
#include "yearlychart.h"
#include "yearlyhours.h"

#include <algorithm>
#include <QCollator>
#include <QPainter>

namespace {
// The hourglass over the window while it works, whichever way the work ends.
class WaitCursor
{
public:
    explicit WaitCursor(QWidget *window)
        : mWindow(window)
    {
        mWindow->setCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { mWindow->unsetCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    QWidget *mWindow;
};

QIcon chartIcon()
{
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawLine(2, 22, 22, 22);
    const int heights[] = {8, 14, 11, 18};
    for (int index = 0; index < 4; ++index)
        painter.fillRect(QRect(4 + index * 5, 22 - heights[index], 4, heights[index]),
                         index % 2 ? QColor(0, 0, 160) : QColor(70, 110, 220));
    return QIcon(picture);
}
} // namespace

Heures::Heures(QWidget *parent)
    : QDialog(parent)
    , mAutomationFactory(
          [] { return std::make_unique<XlsxAutomation>(XlsxAutomation::documentsFolder()); })
{
    ui.setupUi(this);
    mDataCalc.setObjectName(QStringLiteral("DataCalc"));
    mDataCalc.setParent(this);
    setFixedSize(size());
    paintControls();

    connect(ui.Command_1, &QToolButton::clicked, this, &Heures::calculate);
    connect(ui.Command_0, &QToolButton::clicked, this, &Heures::close);
    connect(ui.Graph, &QToolButton::clicked, this, &Heures::drawChart);
    connect(ui.Combo, &QComboBox::activated, this, &Heures::clearResult);

    loadWindow();
}

Heures::~Heures() = default;

void Heures::paintControls()
{
    for (QLabel *result : {ui.HeuresR, ui.MinutesR}) {
        QPalette colors = result->palette();
        colors.setColor(QPalette::Window, QColor(255, 255, 192));
        result->setPalette(colors);
        result->setAutoFillBackground(true);
    }
    ui.Graph->setIcon(chartIcon());
    ui.Command_1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui.Command_0->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

void Heures::loadWindow()
{
    mDataCalc.setConnect(QStringLiteral("Access 2000;"));
    mDataCalc.setDatabaseName(ProgramFolder::filePath(QStringLiteral("Zivada.MDB")));
    mDataCalc.setRecordSource(QStringLiteral("SELECT Num,Date FROM Tbl_Vols"));
    mDataCalc.refresh();
    if (!mDataCalc.recordset().eof()) {
        // A flight without a readable date leaves the control on its own date.
        if (const QDate first = mDataCalc.recordset().field(QStringLiteral("Date")).toDate();
            first.isValid())
            ui.QelCbDate1->setValue(first);
    }
    fillTypes();
}

void Heures::fillTypes()
{
    mDataCalc.setRecordSource(
        QStringLiteral("SELECT Type_Avion from Tbl_Avions ORDER BY Type_Avion DESC"));
    mDataCalc.refresh();
    Recordset &rows = mDataCalc.recordset();
    QStringList types;
    QString previous;
    for (; !rows.eof(); rows.moveNext()) {
        const QVariant type = rows.field(QStringLiteral("Type_Avion"));
        if (type.isNull())
            continue;
        if (type.toString() != previous)
            types << type.toString();
        previous = type.toString();
    }
    // The list is sorted alphabetically, whatever order the types come in.
    QCollator collator;
    std::stable_sort(types.begin(), types.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
    ui.Combo->addItems(types);
    ui.Combo->setCurrentIndex(-1);
}

FlightSelection Heures::selection() const
{
    FlightSelection::Kind kind = FlightSelection::Kind::All;
    if (ui.Option_1->isChecked())
        kind = FlightSelection::Kind::Solo;
    else if (ui.Option_2->isChecked())
        kind = FlightSelection::Kind::Instruction;
    return FlightSelection(kind, ui.Combo->currentText());
}

void Heures::calculate()
{
    HoursTotal total;
    {
        const WaitCursor wait(this);
        total = PeriodQuery::total(mDataCalc, PeriodQuery::dateText(ui.QelCbDate1->value()),
                                   PeriodQuery::dateText(ui.QelCbDate2->value()), selection());
    }
    if (total.count() == 0) {
        ui.HeuresR->setText(QStringLiteral("0"));
        ui.MinutesR->setText(QStringLiteral("0"));
        ui.QelCbDate1->setFocus();
        return;
    }
    ui.HeuresR->setText(HoursTotal::hoursText(total.minutes()));
    ui.MinutesR->setText(HoursTotal::minutesText(total.minutes()));
}

void Heures::drawChart()
{
    const QDate start = ui.QelCbDate1->value();
    const int currentYear = Clock::today().year();
    if (start.year() > currentYear) {
        MessageBox::show(QStringLiteral("Il n'y a aucune année à représenter : la date de début "
                                        "est postérieure à l'année en cours."));
        return;
    }
    {
        const WaitCursor wait(this);
        const std::vector<YearHours> years = YearlyHours::compute(mDataCalc, start, currentYear);
        const std::unique_ptr<SpreadsheetAutomation> excel = mAutomationFactory();
        YearlyChart::build(*excel, years);
    }
    close();
}

void Heures::clearResult()
{
    ui.HeuresR->clear();
    ui.MinutesR->clear();
}
