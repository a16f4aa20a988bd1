#include "designform.h"

#include "designsite.h"

#include <controlloader.h>
#include <hostedcontrol.h>
#include <propertybag.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>

namespace {

HostedControl *hostedOf(QWidget *control)
{
    return qobject_cast<HostedControl *>(control);
}

} // namespace

DesignForm::DesignForm(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setMinimumSize(400, 300);
}

QWidget *DesignForm::place(const QString &progId, const QString &name, QString *reason)
{
    QWidget *control =
        ControlLoader::create(progId, QCoreApplication::applicationDirPath(), this, reason);
    if (!control)
        return nullptr;
    control->setObjectName(name);
    hostedOf(control)->setClientSite(new DesignSite(this, control));
    mPlaced.append({control, progId});
    watchInput(control);
    return control;
}

QWidget *DesignForm::addControl(const QString &progId, const QPoint &position, QString *reason)
{
    QWidget *control = place(progId, newName(progId), reason);
    if (!control)
        return nullptr;
    hostedOf(control)->initNew();
    control->move(position);
    control->resize(control->sizeHint().expandedTo(QSize(153, control->height())));
    control->show();
    select(control);
    setModified(true);
    return control;
}

QString DesignForm::newName(const QString &progId) const
{
    // "Orvane.QelCbCalc" gives QelCbCalc1, QelCbCalc2 ... as a form designer names them.
    const QString base = progId.section(QLatin1Char('.'), -1);
    for (int number = 1;; ++number) {
        const QString name = base + QString::number(number);
        if (!findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
            return name;
    }
}

void DesignForm::watchInput(QWidget *control)
{
    control->installEventFilter(this);
    for (QWidget *child : control->findChildren<QWidget *>())
        child->installEventFilter(this);
}

void DesignForm::removeSelected()
{
    const QList<QWidget *> selected = selection();
    if (selected.isEmpty())
        return;
    mSelection.clear();
    for (QWidget *control : selected) {
        mPlaced.removeIf([control](const Placed &placed) { return placed.widget == control; });
        delete control;
    }
    setModified(true);
    update();
    emit selectionChanged();
}

void DesignForm::removeAll()
{
    mSelection.clear();
    for (const Placed &placed : std::as_const(mPlaced))
        delete placed.widget.data();
    mPlaced.clear();
    update();
    emit selectionChanged();
}

QList<QWidget *> DesignForm::controls() const
{
    QList<QWidget *> result;
    for (const Placed &placed : mPlaced) {
        if (placed.widget)
            result.append(placed.widget);
    }
    return result;
}

QString DesignForm::progIdOf(const QWidget *control) const
{
    for (const Placed &placed : mPlaced) {
        if (placed.widget == control)
            return placed.progId;
    }
    return {};
}

QList<QWidget *> DesignForm::selection() const
{
    QList<QWidget *> result;
    for (const QPointer<QWidget> &control : mSelection) {
        if (control)
            result.append(control);
    }
    return result;
}

QList<QObject *> DesignForm::selectedObjects() const
{
    QList<QObject *> result;
    for (QWidget *control : selection())
        result.append(control);
    return result;
}

void DesignForm::select(QWidget *control, bool addToSelection)
{
    if (!addToSelection)
        mSelection.clear();
    if (addToSelection && mSelection.contains(control))
        mSelection.removeAll(control);
    else if (control)
        mSelection.append(control);
    update();
    emit selectionChanged();
}

void DesignForm::clearSelection()
{
    mSelection.clear();
    update();
    emit selectionChanged();
}

void DesignForm::setUserMode(bool userMode)
{
    if (mUserMode == userMode)
        return;
    mUserMode = userMode;
    for (QWidget *control : controls())
        hostedOf(control)->ambientChanged(QStringLiteral("UserMode"));
    update();
}

void DesignForm::setModified(bool modified)
{
    if (mModified == modified)
        return;
    mModified = modified;
    emit modifiedChanged(modified);
}

void DesignForm::controlPropertyChanged(QWidget *control, const QString &name)
{
    setModified(true);
    emit propertyChanged(control, name);
}

QWidget *DesignForm::controlOf(QObject *object) const
{
    for (auto *widget = qobject_cast<QWidget *>(object); widget; widget = widget->parentWidget()) {
        if (widget->parentWidget() == this && !progIdOf(widget).isEmpty())
            return widget;
    }
    return nullptr;
}

bool DesignForm::eventFilter(QObject *watched, QEvent *event)
{
    if (mUserMode)
        return QWidget::eventFilter(watched, event);
    QWidget *control = controlOf(watched);
    if (!control)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return designMouse(control, event);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        // A control being designed takes no input of its own.
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

bool DesignForm::designMouse(QWidget *control, QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint onForm = mapFromGlobal(mouse->globalPosition().toPoint());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            const bool add = mouse->modifiers() & Qt::ControlModifier;
            if (add || !mSelection.contains(control))
                select(control, add);
            mDragged = add ? nullptr : control;
            mDragStart = onForm;
        }
        break;
    case QEvent::MouseMove:
        if (mDragged && (mouse->buttons() & Qt::LeftButton) && onForm != mDragStart) {
            mDragged->move(mDragged->pos() + onForm - mDragStart);
            mDragStart = onForm;
            setModified(true);
            update();
        }
        break;
    case QEvent::MouseButtonRelease:
        mDragged = nullptr;
        break;
    case QEvent::MouseButtonDblClick:
        select(control);
        emit propertyPagesRequested();
        break;
    default:
        break;
    }
    return true;
}

void DesignForm::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (mUserMode)
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
    const QList<QWidget *> selected = selection();
    for (QWidget *control : selected) {
        const QRect frame = control->geometry().adjusted(-3, -3, 2, 2);
        painter.drawRect(frame);
        // The first selected control is the one the property pages read.
        if (control == selected.first())
            painter.fillRect(QRect(frame.topLeft(), QSize(4, 4)),
                             palette().color(QPalette::Highlight));
    }
}

bool DesignForm::save(const QString &path, QString *reason) const
{
    QJsonArray array;
    for (const Placed &placed : mPlaced) {
        if (!placed.widget)
            continue;
        PropertyBag bag;
        hostedOf(placed.widget)->writeProperties(bag);
        const QRect geometry = placed.widget->geometry();
        array.append(QJsonObject{
            {QStringLiteral("progId"), placed.progId},
            {QStringLiteral("name"), placed.widget->objectName()},
            {QStringLiteral("left"), geometry.x()},
            {QStringLiteral("top"), geometry.y()},
            {QStringLiteral("width"), geometry.width()},
            {QStringLiteral("properties"), QJsonDocument::fromJson(bag.toJson()).array()}});
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = QStringLiteral("Le fichier « %1 » ne peut pas être écrit (%2).")
                      .arg(path, file.errorString());
        return false;
    }
    file.write(QJsonDocument(QJsonObject{{QStringLiteral("controls"), array}}).toJson());
    if (!file.commit()) {
        *reason = QStringLiteral("Le fichier « %1 » ne peut pas être écrit (%2).")
                      .arg(path, file.errorString());
        return false;
    }
    return true;
}

bool DesignForm::load(const QString &path, QString *reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).")
                      .arg(path, file.errorString());
        return false;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject() ||
        !document.object().value(QStringLiteral("controls")).isArray()) {
        *reason = QStringLiteral("Le fichier « %1 » n'est pas une feuille de contrôles.").arg(path);
        return false;
    }
    removeAll();
    QStringList failures;
    for (const QJsonValue &item : document.object().value(QStringLiteral("controls")).toArray()) {
        const QJsonObject object = item.toObject();
        const QString progId = object.value(QStringLiteral("progId")).toString();
        QString name = object.value(QStringLiteral("name")).toString();
        if (name.isEmpty() || findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
            name = newName(progId);
        QString why;
        QWidget *control = place(progId, name, &why);
        if (!control) {
            failures.append(why);
            continue;
        }
        const PropertyBag bag = PropertyBag::fromJson(
            QJsonDocument(object.value(QStringLiteral("properties")).toArray()).toJson());
        hostedOf(control)->readProperties(bag);
        control->move(object.value(QStringLiteral("left")).toInt(),
                      object.value(QStringLiteral("top")).toInt());
        control->resize(object.value(QStringLiteral("width")).toInt(153), control->height());
        control->show();
    }
    setModified(false);
    if (!failures.isEmpty())
        *reason = failures.join(QLatin1Char('\n'));
    return true;
}
