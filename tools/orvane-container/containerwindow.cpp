#include "containerwindow.h"

#include "designform.h"
#include "propertypageframe.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMetaObject>

namespace {

const QString defaultProgId = QStringLiteral("Orvane.QelCbCalc");
const QString fileFilter = QStringLiteral("Feuilles de contrôles (*.json)");
const QString appTitle = QStringLiteral("Conteneur Orvane");

} // namespace

ContainerWindow::ContainerWindow(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    mForm = new DesignForm(this);
    setCentralWidget(mForm);
    delete ui.centralwidget;
    ui.centralwidget = nullptr;

    connect(ui.actOpen, &QAction::triggered, this, &ContainerWindow::askOpen);
    connect(ui.actSave, &QAction::triggered, this, &ContainerWindow::askSave);
    connect(ui.actSaveAs, &QAction::triggered, this, &ContainerWindow::askSaveAs);
    connect(ui.actQuit, &QAction::triggered, this, &QWidget::close);
    connect(ui.actInsert, &QAction::triggered, this, &ContainerWindow::askInsert);
    connect(ui.actDelete, &QAction::triggered, mForm, &DesignForm::removeSelected);
    connect(ui.actProperties, &QAction::triggered, this, &ContainerWindow::showPropertyPages);
    connect(ui.actAbout, &QAction::triggered, this, &ContainerWindow::showAbout);
    connect(ui.actRunMode, &QAction::toggled, this, &ContainerWindow::setRunMode);
    connect(mForm, &DesignForm::selectionChanged, this, &ContainerWindow::updateActions);
    connect(mForm, &DesignForm::modifiedChanged, this, &ContainerWindow::updateTitle);
    connect(mForm, &DesignForm::propertyPagesRequested, this, &ContainerWindow::showPropertyPages);
    setRunMode(false);
    updateTitle();
}

void ContainerWindow::showError(const QString &text)
{
    QMessageBox::warning(this, appTitle, text);
}

bool ContainerWindow::insertControl(const QString &progId)
{
    // Each new control goes below the last one.
    int top = 10;
    for (const QWidget *control : mForm->controls())
        top = std::max(top, control->geometry().bottom() + 10);
    QString reason;
    if (!mForm->addControl(progId.trimmed(), QPoint(10, top), &reason)) {
        showError(reason);
        return false;
    }
    return true;
}

void ContainerWindow::askInsert()
{
    bool ok = false;
    const QString progId = QInputDialog::getText(this, QStringLiteral("Insérer un contrôle"),
                                                 QStringLiteral("Identificateur de programme :"),
                                                 QLineEdit::Normal, defaultProgId, &ok);
    if (ok && !progId.trimmed().isEmpty())
        insertControl(progId);
}

bool ContainerWindow::openFile(const QString &path)
{
    QString reason;
    if (!mForm->load(path, &reason)) {
        showError(reason);
        return false;
    }
    mFilePath = path;
    updateTitle();
    updateActions();
    if (!reason.isEmpty()) {
        // Some controls could not be placed: saving now would drop them from the file.
        showError(reason);
        mForm->setModified(true);
        mFilePath.clear();
        updateTitle();
        return false;
    }
    return true;
}

bool ContainerWindow::saveFile(const QString &path)
{
    QString reason;
    if (!mForm->save(path, &reason)) {
        showError(reason);
        return false;
    }
    mFilePath = path;
    mForm->setModified(false);
    updateTitle();
    return true;
}

void ContainerWindow::askOpen()
{
    if (!maySetFormAside())
        return;
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Ouvrir"), QString(), fileFilter);
    if (!path.isEmpty())
        openFile(path);
}

void ContainerWindow::askSave()
{
    if (mFilePath.isEmpty())
        askSaveAs();
    else
        saveFile(mFilePath);
}

void ContainerWindow::askSaveAs()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer sous"), mFilePath,
                                                fileFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".json");
    saveFile(path);
}

bool ContainerWindow::maySetFormAside()
{
    if (!mForm->isModified())
        return true;
    const auto answer = QMessageBox::question(
        this, appTitle,
        QStringLiteral("La feuille a été modifiée. Enregistrer les modifications ?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Save) {
        askSave();
        return !mForm->isModified();
    }
    return true;
}

void ContainerWindow::showPropertyPages()
{
    const QList<QObject *> selected = mForm->selectedObjects();
    if (selected.isEmpty())
        return;
    PropertyPageFrame frame(selected, this);
    frame.exec();
    mForm->update();
}

void ContainerWindow::showAbout()
{
    const QList<QObject *> selected = mForm->selectedObjects();
    if (selected.isEmpty())
        return;
    if (!QMetaObject::invokeMethod(selected.first(), "ShowAboutFrm", Qt::DirectConnection))
        showError(QStringLiteral("Ce contrôle n'a pas de boîte « À propos »."));
}

void ContainerWindow::setRunMode(bool run)
{
    mForm->setUserMode(run);
    if (ui.actRunMode->isChecked() != run)
        ui.actRunMode->setChecked(run);
    statusBar()->showMessage(run ? QStringLiteral("Mode exécution")
                                 : QStringLiteral("Mode création"));
    updateActions();
}

void ContainerWindow::updateActions()
{
    const bool design = !mForm->userMode();
    const bool selected = !mForm->selection().isEmpty();
    ui.actInsert->setEnabled(design);
    ui.actDelete->setEnabled(design && selected);
    ui.actProperties->setEnabled(design && selected);
    ui.actAbout->setEnabled(selected);
}

void ContainerWindow::updateTitle()
{
    const QString name =
        mFilePath.isEmpty() ? QStringLiteral("Sans titre") : QFileInfo(mFilePath).fileName();
    setWindowTitle(
        QStringLiteral("%1%2 - %3")
            .arg(name, mForm->isModified() ? QStringLiteral(" *") : QString(), appTitle));
}

void ContainerWindow::closeEvent(QCloseEvent *event)
{
    if (maySetFormAside())
        event->accept();
    else
        event->ignore();
}
