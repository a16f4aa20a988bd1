#include "xlsxreader.h"

#include <QFile>
#include <QXmlStreamReader>
#include <zip.h>

namespace {
// The formats a spreadsheet knows without a numFmt entry, as far as the tests need them.
QString builtInFormat(int id)
{
    return id == 0 ? QStringLiteral("General") : QStringLiteral("builtin:%1").arg(id);
}
} // namespace

XlsxReader::XlsxReader(const QString &path)
{
    int errorCode = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &errorCode);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, errorCode);
        mError = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(index), 0, &stat) != 0)
            continue;
        zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(index), 0);
        if (!file)
            continue;
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        if (read == zip_int64_t(stat.size))
            mParts.insert(QString::fromUtf8(stat.name), bytes);
    }
    zip_close(archive);
    mOpen = true;
}

QVector<XlsxReader::Element> XlsxReader::elements(const QString &partName) const
{
    QVector<Element> found;
    QStringList path;
    QVector<int> open; // index in `found` of each element on the path
    QXmlStreamReader xml(part(partName));
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            path << xml.qualifiedName().toString();
            open << int(found.size());
            found.push_back({path.join(QLatin1Char('/')), xml.attributes(), QString()});
            break;
        case QXmlStreamReader::Characters:
            if (!open.isEmpty())
                found[open.last()].text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            path.removeLast();
            open.removeLast();
            break;
        default:
            break;
        }
    }
    return found;
}

QStringList XlsxReader::sheetNames() const
{
    QStringList names;
    for (const Element &element : elements(QStringLiteral("xl/workbook.xml"))) {
        if (element.path.endsWith(QLatin1String("/sheets/sheet")))
            names << element.attributes.value(QLatin1String("name")).toString();
    }
    return names;
}

QStringList XlsxReader::numberFormatsByStyle() const
{
    QMap<int, QString> custom;
    QStringList byStyle;
    for (const Element &element : elements(QStringLiteral("xl/styles.xml"))) {
        const auto id = element.attributes.value(QLatin1String("numFmtId")).toInt();
        if (element.path.endsWith(QLatin1String("numFmts/numFmt")))
            custom.insert(id, element.attributes.value(QLatin1String("formatCode")).toString());
        else if (element.path.endsWith(QLatin1String("cellXfs/xf")))
            byStyle << custom.value(id, builtInFormat(id));
    }
    return byStyle;
}

QMap<QString, XlsxReader::Cell> XlsxReader::cells(const QString &sheetPart) const
{
    const QStringList formats = numberFormatsByStyle();
    QMap<QString, Cell> found;
    QString current;
    for (const Element &element : elements(sheetPart)) {
        if (element.path.endsWith(QLatin1String("sheetData/row/c"))) {
            current = element.attributes.value(QLatin1String("r")).toString();
            Cell &cell = found[current];
            const QStringView type = element.attributes.value(QLatin1String("t"));
            cell.type = type.isEmpty() ? QStringLiteral("n") : type.toString();
            const int style = element.attributes.value(QLatin1String("s")).toInt();
            cell.numberFormat = formats.value(style);
        } else if (element.path.endsWith(QLatin1String("sheetData/row/c/v"))) {
            found[current].value = element.text;
        }
    }
    return found;
}
