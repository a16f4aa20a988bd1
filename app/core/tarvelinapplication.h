#pragma once

#include <QApplication>

// The application object of the logbook. An engine error that reaches the event loop is shown
// with the engine's own text, and the program ends with a non-zero code.
class TarvelinApplication : public QApplication
{
    Q_OBJECT

public:
    TarvelinApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Shows a fatal error's text and ends the program.
    static void endOnError(const QString &text);

private:
    void loadFrenchTranslations();
};
