#pragma once

#include <controlsite.h>

#include <QApplication>
#include <QStringList>

// A container's site for tests: run or design mode, an ambient font, a tool tip, and the
// property-changed notifications in order.
class TestSite : public ControlSite
{
public:
    bool userMode = true;
    QFont font = QApplication::font();
    QString toolTip;
    QStringList changed;

    bool ambientUserMode() const override { return userMode; }
    QFont ambientFont() const override { return font; }
    QString extenderToolTip() const override { return toolTip; }
    void propertyChanged(const QString &name) override { changed.append(name); }
};
