#pragma once

#include "avions.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>

#include <memory>

// The aircraft register opened over `logbook` and made the active window, as the window manager
// would, so that focus changes reach its boxes.
inline std::unique_ptr<Avions> openAvions(QWidget *logbook)
{
    auto window = std::make_unique<Avions>(logbook);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

// One of the register's text boxes by its name ("Avion", "TypeAvion", "Société").
inline QLineEdit *avionsBox(Avions &window, const char *name)
{
    return window.findChild<QLineEdit *>(QString::fromUtf8(name));
}
