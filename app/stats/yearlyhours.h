#pragma once

#include <QDate>
#include <vector>

class DataSource;

struct YearHours
{
    int year = 0;
    qint64 minutes = 0;
};

// The flight time of each calendar year from the year of a start date to the current year:
// the first year counted from the start date itself, the others from 1 January, each to
// 31 December. A year without flights is there with 0 minutes; every kind and type counts.
class YearlyHours
{
public:
    static std::vector<YearHours> compute(DataSource &dataCalc, const QDate &start,
                                          int currentYear);
};
