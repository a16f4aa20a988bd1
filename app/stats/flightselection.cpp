#include "flightselection.h"

bool FlightSelection::counts(const QVariant &type, const QVariant &vol) const
{
    if (type.isNull() || vol.isNull())
        return false;
    if (!mType.isEmpty() && type.toString() != mType)
        return false;
    switch (mKind) {
    case Kind::Solo:
        return vol.toString() == QLatin1String("S");
    case Kind::Instruction:
        return vol.toString() == QLatin1String("D");
    case Kind::All:
        break;
    }
    return true;
}
