#pragma once

#include "calcglobals.h"
#include "frmcalc.h"

#include <QTimer>
#include <QtTest>

#include <functional>

// Runs `actions` on the calculator once the click or key that opens it waits for it to close,
// and counts the opening in `openings`. A calculator the actions leave open is closed, so a
// failing test cannot hang.
inline void whenCalculatorOpens(QObject *context, int &openings,
                                std::function<void(FrmCalc *)> actions)
{
    QTimer::singleShot(0, context, [&openings, actions] {
        FrmCalc *calc = FrmCalc::existing();
        QVERIFY(calc && calc->isVisible());
        ++openings;
        actions(calc);
        if (gDropped && FrmCalc::existing()) {
            FrmCalc::existing()->unload();
            QFAIL("the calculator was left open");
        }
    });
}
