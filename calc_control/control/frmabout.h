#pragma once

#include "ui_frmabout.h"

#include <QDialog>
#include <QString>

class QUrl;

// The library's About box: its name and version, its copyright, and the maker's e-mail and web
// addresses as links that open through the desktop.
class FrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit FrmAbout(QWidget *parent = nullptr);

    // The file name of the library holding this code, without its extension ("Orvane" for
    // Orvane.so); the library's name when the loader cannot tell.
    static QString libraryBaseName();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillTexts();
    static void openLink(const QUrl &url);

    Ui::frmAbout ui;
};
