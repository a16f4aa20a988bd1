#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class HostedControl;

// The surface a designer places controls on. In design mode the form takes the mouse: a click
// selects a control (Ctrl+click adds to or removes from the selection), a drag moves it, a
// double click asks for its property pages. In run mode the controls get their input.
// The form saves its controls, each with its property bag, to a JSON file and loads them back.
class DesignForm : public QWidget
{
    Q_OBJECT

public:
    explicit DesignForm(QWidget *parent = nullptr);

    // A new control at `position`, initialised as new and selected alone; nullptr with the
    // reason when it cannot be made.
    QWidget *addControl(const QString &progId, const QPoint &position, QString *reason);
    void removeSelected();
    QList<QWidget *> controls() const;
    QString progIdOf(const QWidget *control) const;

    QList<QWidget *> selection() const;
    QList<QObject *> selectedObjects() const;
    void select(QWidget *control, bool addToSelection = false);
    void clearSelection();

    // The ambient user mode the controls read: false in design mode.
    bool userMode() const { return mUserMode; }
    void setUserMode(bool userMode);

    // Saves every control with its position and property bag; false with the reason.
    bool save(const QString &path, QString *reason) const;
    // Replaces the form's controls by those of the file. A control that cannot be made is
    // left out and named in `reason`; false when the file cannot be read at all, and the
    // form is then left as it was.
    bool load(const QString &path, QString *reason);

    bool isModified() const { return mModified; }
    void setModified(bool modified);

    // Called by a control's site at the end of a property put.
    void controlPropertyChanged(QWidget *control, const QString &name);

signals:
    void selectionChanged();
    void modifiedChanged(bool modified);
    void propertyPagesRequested();
    // A control told that one of its properties changed.
    void propertyChanged(QWidget *control, const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        QString progId;
    };

    QWidget *place(const QString &progId, const QString &name, QString *reason);
    QWidget *controlOf(QObject *object) const;
    void watchInput(QWidget *control);
    bool designMouse(QWidget *control, QEvent *event);
    void removeAll();
    QString newName(const QString &progId) const;

    QList<Placed> mPlaced;
    QList<QPointer<QWidget>> mSelection;
    bool mUserMode = false;
    bool mModified = false;
    QPoint mDragStart;
    QPointer<QWidget> mDragged;
};
