#pragma once

#include <controllibrary.h>

// The class object of QelCbCalc, handed to containers by the library's get-class-object
// export.
class QelCbCalcFactory : public ControlClassFactory
{
public:
    static QelCbCalcFactory &instance();

    QString classId() const override;
    QString progId() const override;
    QWidget *createInstance(QWidget *parent) override;
};
