#include "yearlyhours.h"

#include "periodquery.h"

std::vector<YearHours> YearlyHours::compute(DataSource &dataCalc, const QDate &start,
                                            int currentYear)
{
    std::vector<YearHours> years;
    for (int year = start.year(); year <= currentYear; ++year) {
        const QString from = year == start.year() ? PeriodQuery::dateText(start)
                                                  : PeriodQuery::dateText(QDate(year, 1, 1));
        const QString to = PeriodQuery::dateText(QDate(year, 12, 31));
        const HoursTotal total = PeriodQuery::total(dataCalc, from, to, FlightSelection());
        years.push_back({year, total.minutes()});
    }
    return years;
}
