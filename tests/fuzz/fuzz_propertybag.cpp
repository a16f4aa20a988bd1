// The control loading its properties from a bag read from arbitrary bytes, as a container
// does with a stored form. Invariants: no crash; what the control writes back is a bag that
// reads again, and loading that bag gives the control the same properties.
#include "fuzzcheck.h"
#include "propertybag.h"
#include "qelcbcalc.h"

#include <cstdio>
#include <cstdlib>
#include <QApplication>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PropertyBag bag = PropertyBag::fromJson(bytes);

    QelCbCalc control;
    control.readProperties(bag);
    PropertyBag written;
    control.writeProperties(written);

    bool ok = false;
    const PropertyBag again = PropertyBag::fromJson(written.toJson(), &ok);
    CHECK(ok);
    QelCbCalc second;
    second.readProperties(again);
    PropertyBag rewritten;
    second.writeProperties(rewritten);
    CHECK(rewritten.toJson() == written.toJson());
    return 0;
}
