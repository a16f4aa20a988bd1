#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <QWidget>

// Property pages: how a container's property-page frame and the pages placed in it talk,
// whoever made the page (a control library or the container itself).

// The frame's side, given to each page it holds.
class PropertyPageSite
{
public:
    virtual ~PropertyPageSite() = default;
    // The page's edits now differ from the objects: the frame enables its Apply button.
    virtual void pageChanged() = 0;
};

// A page is a widget that also offers this interface; the frame reaches it with
// qobject_cast<PropertyPage *>(widget), which works across library boundaries.
class PropertyPage
{
public:
    virtual ~PropertyPage() = default;

    // The tab text.
    virtual QString caption() const = 0;
    virtual void setPageSite(PropertyPageSite *site) = 0;
    // The selected controls, in selection order; the page shows them (selection changed).
    virtual void setObjects(const QList<QObject *> &objects) = 0;
    // True from the first edit until the next apply or setObjects.
    virtual bool isChanged() const = 0;
    // Writes the page's edits to the objects; the page is then unchanged.
    virtual void apply() = 0;
};

#define PropertyPage_iid "org.tarvelin.hosting.PropertyPage/1.0"
Q_DECLARE_INTERFACE(PropertyPage, PropertyPage_iid)

// A control names its pages, in order, through its invokable "PropertyPages" (a QStringList),
// and makes those of its own library through "CreatePropertyPage" (name, parent widget; the new
// page widget, or nullptr). The standard pages are the container's to make:
// - "StandardFont": every property of type QFont;
// - "StandardColor": every unsigned 32-bit property whose name ends in "Color" (an OLE colour);
// - "StandardPicture": every property of type QPixmap or QImage.
namespace PropertyPages {

inline constexpr char listMethod[] = "PropertyPages";
inline constexpr char createMethod[] = "CreatePropertyPage";

inline constexpr char standardFont[] = "StandardFont";
inline constexpr char standardColor[] = "StandardColor";
inline constexpr char standardPicture[] = "StandardPicture";

// The pages a control names; none when it names none.
inline QStringList namesOf(QObject *control)
{
    QStringList names;
    if (control)
        QMetaObject::invokeMethod(control, listMethod, Qt::DirectConnection,
                                  Q_RETURN_ARG(QStringList, names));
    return names;
}

// A page of the control's own library, owned by `parent`; nullptr for a standard page or a
// control that makes none.
inline QWidget *createOf(QObject *control, const QString &name, QWidget *parent)
{
    QWidget *page = nullptr;
    if (control)
        QMetaObject::invokeMethod(control, createMethod, Qt::DirectConnection,
                                  Q_RETURN_ARG(QWidget *, page), Q_ARG(QString, name),
                                  Q_ARG(QWidget *, parent));
    return page;
}

} // namespace PropertyPages
