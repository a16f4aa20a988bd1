#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamAttributes>

// Reads a written workbook back: its parts out of the zip file, and what the tests look at in
// their XML (sheets, cells with their number formats, the elements of a chart).
class XlsxReader
{
public:
    struct Cell
    {
        QString type; // "n" when the cell holds a number
        QString value;
        QString numberFormat;
    };
    struct Element
    {
        QString path; // "c:chartSpace/c:chart/c:title", local names with their prefixes
        QXmlStreamAttributes attributes;
        QString text;
    };

    explicit XlsxReader(const QString &path);

    bool isOpen() const { return mOpen; }
    QString error() const { return mError; }
    QStringList partNames() const { return mParts.keys(); }
    QByteArray part(const QString &name) const { return mParts.value(name); }

    QStringList sheetNames() const;
    QMap<QString, Cell> cells(const QString &sheetPart) const; // by reference, "A1"
    QVector<Element> elements(const QString &partName) const;

private:
    QStringList numberFormatsByStyle() const;

    bool mOpen = false;
    QString mError;
    QMap<QString, QByteArray> mParts;
};
