// Reading and writing numbers in the library's text conventions, French and English.
// The first byte picks the locale, the output format and the kind of input; the rest is either
// a text to read or the bytes of a double to write.
// Invariants: the general text of any finite number reads back to the same number (to its 15
// significant digits) and is stable when written again; a text that reads as a number has a
// general text that reads back too; formatting never fails for the formats 0 to 8.
#include "fuzzcheck.h"
#include "numbertext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
const NumberText &numberText(bool french)
{
    static const NumberText frenchText(QLocale(QLocale::French, QLocale::France));
    static const NumberText englishText(QLocale(QLocale::English, QLocale::UnitedStates));
    return french ? frenchText : englishText;
}

void checkWriteRead(const NumberText &numbers, double value, int format)
{
    const QString general = numbers.generalText(value);
    if (!std::isfinite(value)) {
        CHECK(general == numbers.overflowMessage());
        return;
    }
    const std::optional<double> back = numbers.read(general);
    if (!back || numbers.generalText(*back) != general)
        std::fprintf(stderr, "%s: %.17g written \"%s\" reads %.17g\n",
                     qPrintable(numbers.locale().name()), value, qPrintable(general),
                     back.value_or(qQNaN()));
    CHECK(back.has_value());
    CHECK(*back == value || std::fabs(*back - value) <= std::fabs(value) * 1e-14);
    CHECK(numbers.generalText(*back) == general);

    QString formatted;
    CHECK(numbers.writeFormatted(value, format % 9, formatted));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t control = data[0];
    const NumberText &numbers = numberText(control & 1);
    const int format = (control >> 2) % 9;
    ++data;
    --size;

    if (control & 2) {
        double value = 0;
        if (size < sizeof value)
            return 0;
        std::memcpy(&value, data, sizeof value);
        checkWriteRead(numbers, value, format);
        return 0;
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<double> value = numbers.read(text)) {
        CHECK(std::isfinite(*value));
        checkWriteRead(numbers, *value, format);
    }
    return 0;
}
