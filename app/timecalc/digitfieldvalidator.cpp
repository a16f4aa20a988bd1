#include "digitfieldvalidator.h"

DigitFieldValidator::DigitFieldValidator(int maxDigits, QObject *parent)
    : QValidator(parent)
    , mMaxDigits(maxDigits)
{}

QValidator::State DigitFieldValidator::validate(QString &input, int &pos) const
{
    QString digits;
    int cursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (c >= u'0' && c <= u'9') {
            digits.append(c);
            if (i < pos)
                ++cursor;
        }
    }
    const int excess = qMin(int(digits.size()) - mMaxDigits, cursor);
    if (excess > 0) {
        digits.remove(cursor - excess, excess);
        cursor -= excess;
    }
    // Digits after the cursor beyond the limit (only possible through a direct setText).
    digits.truncate(mMaxDigits);
    input = digits;
    pos = qMin(cursor, int(digits.size()));
    return Acceptable;
}
