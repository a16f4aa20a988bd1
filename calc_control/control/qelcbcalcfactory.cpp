#include "qelcbcalcfactory.h"

#include "orvaneids.h"
#include "qelcbcalc.h"

QelCbCalcFactory &QelCbCalcFactory::instance()
{
    static QelCbCalcFactory factory;
    return factory;
}

QString QelCbCalcFactory::classId() const
{
    return QString::fromLatin1(OrvaneIds::controlClassId);
}

QString QelCbCalcFactory::progId() const
{
    return QString::fromLatin1(OrvaneIds::controlProgId);
}

QWidget *QelCbCalcFactory::createInstance(QWidget *parent)
{
    return new QelCbCalc(parent);
}
