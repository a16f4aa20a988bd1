#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QString>

#include <optional>

// The per-user control registry: which library holds the control class of a program
// identifier. A small JSON file under the XDG data folder, written by a library's register
// export and read by containers.
class ControlRegistry
{
public:
    struct Entry
    {
        QString progId;
        QString classId;
        QString libraryPath;
    };

    static QString filePath()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/controlhosting/registry.json");
    }

    static std::optional<Entry> find(const QString &progId)
    {
        bool readable = false;
        const QJsonArray controls = readControls(&readable);
        for (const QJsonValue &item : controls) {
            const Entry entry = entryFromJson(item.toObject());
            if (entry.progId.compare(progId, Qt::CaseInsensitive) == 0)
                return entry;
        }
        return std::nullopt;
    }

    // Adds or replaces the entry of the program identifier. False when the registry cannot be
    // written, or exists but cannot be read (it is then left as it is, not overwritten).
    static bool add(const Entry &entry)
    {
        bool readable = false;
        QJsonArray controls = readControls(&readable);
        if (!readable)
            return false;
        removeFrom(controls, entry.progId);
        controls.append(QJsonObject{{QStringLiteral("progId"), entry.progId},
                                    {QStringLiteral("classId"), entry.classId},
                                    {QStringLiteral("library"), entry.libraryPath}});
        return writeControls(controls);
    }

    // Removes the entry of the program identifier; true when it is gone afterwards.
    static bool remove(const QString &progId)
    {
        bool readable = false;
        QJsonArray controls = readControls(&readable);
        if (!readable)
            return false;
        if (!removeFrom(controls, progId))
            return true;
        return writeControls(controls);
    }

private:
    // The registered controls; a missing file reads as an empty registry.
    static QJsonArray readControls(bool *readable)
    {
        QFile file(filePath());
        if (!file.exists()) {
            *readable = true;
            return {};
        }
        if (!file.open(QIODevice::ReadOnly)) {
            *readable = false;
            return {};
        }
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
        *readable = document.isObject();
        return document.object().value(QStringLiteral("controls")).toArray();
    }

    static bool writeControls(const QJsonArray &controls)
    {
        const QString path = filePath();
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return false;
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("controls"), controls}}).toJson());
        return file.commit();
    }

    static bool removeFrom(QJsonArray &controls, const QString &progId)
    {
        bool removed = false;
        for (qsizetype i = controls.size() - 1; i >= 0; --i) {
            if (entryFromJson(controls.at(i).toObject())
                    .progId.compare(progId, Qt::CaseInsensitive) == 0) {
                controls.removeAt(i);
                removed = true;
            }
        }
        return removed;
    }

    static Entry entryFromJson(const QJsonObject &object)
    {
        return {object.value(QStringLiteral("progId")).toString(),
                object.value(QStringLiteral("classId")).toString(),
                object.value(QStringLiteral("library")).toString()};
    }
};
