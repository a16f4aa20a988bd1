#pragma once

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

// The persisted properties of one control, by name, in the order the control wrote them.
// A value equal to its default is left out, so a bag holds only what a user changed. Containers
// that store bags store them as JSON; fonts and pictures carry a type tag so they read back as
// what they were.
class PropertyBag
{
public:
    // Stores `value` under `name` unless it equals `defaultValue`; a later write of the same
    // name replaces the earlier one in place.
    void write(const QString &name, const QVariant &value, const QVariant &defaultValue = {})
    {
        remove(name);
        if (!equalsDefault(value, defaultValue))
            mEntries.append({name, value});
    }

    // The stored value, or `defaultValue` when the bag has none under that name.
    QVariant read(const QString &name, const QVariant &defaultValue = {}) const
    {
        for (const auto &entry : mEntries) {
            if (entry.first == name)
                return entry.second;
        }
        return defaultValue;
    }

    bool contains(const QString &name) const
    {
        for (const auto &entry : mEntries) {
            if (entry.first == name)
                return true;
        }
        return false;
    }

    QStringList names() const
    {
        QStringList result;
        for (const auto &entry : mEntries)
            result.append(entry.first);
        return result;
    }

    bool isEmpty() const { return mEntries.isEmpty(); }

    void remove(const QString &name)
    {
        mEntries.removeIf([&name](const auto &entry) { return entry.first == name; });
    }

    QByteArray toJson() const
    {
        QJsonArray array;
        for (const auto &entry : mEntries)
            array.append(entryToJson(entry.first, entry.second));
        return QJsonDocument(array).toJson(QJsonDocument::Indented);
    }

    // Reads a bag written by toJson(). Entries that cannot be read are left out; `ok` is false
    // when the text is not such a bag at all.
    static PropertyBag fromJson(const QByteArray &json, bool *ok = nullptr)
    {
        PropertyBag bag;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(json, &error);
        if (ok)
            *ok = error.error == QJsonParseError::NoError && document.isArray();
        for (const QJsonValue &item : document.array()) {
            const QJsonObject object = item.toObject();
            const QString name = object.value(QStringLiteral("name")).toString();
            if (name.isEmpty() || !object.contains(QStringLiteral("value")))
                continue;
            bag.remove(name);
            bag.mEntries.append({name, valueFromJson(object)});
        }
        return bag;
    }

private:
    static bool isPicture(const QVariant &value)
    {
        return value.metaType().id() == QMetaType::QImage;
    }

    static bool equalsDefault(const QVariant &value, const QVariant &defaultValue)
    {
        // "No picture" is both an empty variant and a null image.
        const bool valueEmpty =
            !value.isValid() || (isPicture(value) && value.value<QImage>().isNull());
        const bool defaultEmpty =
            !defaultValue.isValid() ||
            (isPicture(defaultValue) && defaultValue.value<QImage>().isNull());
        if (valueEmpty || defaultEmpty)
            return valueEmpty && defaultEmpty;
        return value == defaultValue;
    }

    static QJsonObject entryToJson(const QString &name, const QVariant &value)
    {
        QJsonObject object{{QStringLiteral("name"), name}};
        switch (value.metaType().id()) {
        case QMetaType::Bool:
            object.insert(QStringLiteral("type"), QStringLiteral("bool"));
            object.insert(QStringLiteral("value"), value.toBool());
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            object.insert(QStringLiteral("type"), QStringLiteral("int"));
            object.insert(QStringLiteral("value"), value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            object.insert(QStringLiteral("type"), QStringLiteral("double"));
            object.insert(QStringLiteral("value"), value.toDouble());
            break;
        case QMetaType::QFont:
            object.insert(QStringLiteral("type"), QStringLiteral("font"));
            object.insert(QStringLiteral("value"), value.value<QFont>().toString());
            break;
        case QMetaType::QImage:
            object.insert(QStringLiteral("type"), QStringLiteral("picture"));
            object.insert(QStringLiteral("value"),
                          QString::fromLatin1(pngOf(value.value<QImage>()).toBase64()));
            break;
        default:
            object.insert(QStringLiteral("type"), QStringLiteral("string"));
            object.insert(QStringLiteral("value"), value.toString());
            break;
        }
        return object;
    }

    static QVariant valueFromJson(const QJsonObject &object)
    {
        const QString type = object.value(QStringLiteral("type")).toString();
        const QJsonValue value = object.value(QStringLiteral("value"));
        if (type == QLatin1String("int") && value.isDouble())
            return QVariant::fromValue<qint64>(value.toInteger());
        if (type == QLatin1String("font") && value.isString()) {
            QFont font;
            if (font.fromString(value.toString()))
                return font;
        }
        if (type == QLatin1String("picture") && value.isString()) {
            QImage image;
            if (image.loadFromData(QByteArray::fromBase64(value.toString().toLatin1()), "PNG"))
                return image;
        }
        // A value whose tag does not fit stays what JSON made of it; the control then decides
        // whether it can use it.
        return value.toVariant();
    }

    static QByteArray pngOf(const QImage &image)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

    QList<QPair<QString, QVariant>> mEntries;
};
