#pragma once

#include "ui_containerwindow.h"

#include <QMainWindow>
#include <QString>

class DesignForm;

// The design-mode container: a form to place controls on by program identifier, their
// property pages and About box, design and run mode, and the form saved as a JSON file.
class ContainerWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ContainerWindow(QWidget *parent = nullptr);

    DesignForm *form() const { return mForm; }
    QString filePath() const { return mFilePath; }

    // Each returns false after telling the user why.
    bool insertControl(const QString &progId);
    bool openFile(const QString &path);
    bool saveFile(const QString &path);
    void showPropertyPages();
    void showAbout();
    void setRunMode(bool run);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void askInsert();
    void askOpen();
    void askSave();
    void askSaveAs();
    bool maySetFormAside();
    void updateActions();
    void updateTitle();
    void showError(const QString &text);

    Ui::ContainerWindow ui;
    DesignForm *mForm = nullptr;
    QString mFilePath;
};
