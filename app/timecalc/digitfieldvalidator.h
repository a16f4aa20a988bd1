#pragma once

#include <QValidator>

// Keeps an entry box to at most a given number of digits, whatever way the text came in.
// Typed keys are filtered before they reach the box, but pasted or dropped text is not: this
// strips its non-digits first and then cuts the digits that do not fit, so pasting " 15"
// gives "15" where cutting to length first would give "1". The cut removes the newest
// characters, those just before the cursor, as the box's own length limit would.
class DigitFieldValidator : public QValidator
{
    Q_OBJECT

public:
    DigitFieldValidator(int maxDigits, QObject *parent);

    State validate(QString &input, int &pos) const override;
    int maxDigits() const { return mMaxDigits; }

private:
    int mMaxDigits;
};
