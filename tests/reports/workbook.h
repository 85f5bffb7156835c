#pragma once

#include "reports/tools.h"

#include <QXmlStreamReader>
#include <vector>

// One part of an .xlsx package ("docProps/core.xml"), as unzip reads it.
inline QString workbookPart(const QString& path, const QString& part)
{
    return runTool("unzip", {"-p", path, part});
}

// The first sheet of an .xlsx file read back as unzip and an XML reader see it: one text list
// per row, a cell that is not stored as text shown as "#number:<value>".
inline std::vector<QStringList> workbookRows(const QString& path)
{
    QStringList shared;
    QXmlStreamReader strings(workbookPart(path, "xl/sharedStrings.xml"));
    while (!strings.atEnd())
        if (strings.readNext() == QXmlStreamReader::StartElement &&
            strings.name() == QLatin1String("t"))
            shared << strings.readElementText();
    std::vector<QStringList> rows;
    QXmlStreamReader sheet(workbookPart(path, "xl/worksheets/sheet1.xml"));
    QString type;
    int column = 0;
    auto put = [&](const QString& value) {
        QStringList& row = rows.back();
        while (row.size() < column)
            row << QString();
        row[column - 1] = value;
    };
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (!sheet.isStartElement())
            continue;
        if (sheet.name() == QLatin1String("row")) {
            rows.emplace_back();
        } else if (sheet.name() == QLatin1String("c")) {
            type = sheet.attributes().value("t").toString();
            const QString ref = sheet.attributes().value("r").toString();
            column = 0;
            for (QChar c : ref) {
                if (!c.isLetter())
                    break;
                column = column * 26 + (c.unicode() - 'A' + 1);
            }
        } else if (sheet.name() == QLatin1String("v") && !rows.empty()) {
            const QString v = sheet.readElementText();
            put(type == QLatin1String("s") ? shared.value(v.toInt()) : "#number:" + v);
        } else if (sheet.name() == QLatin1String("t") && !rows.empty()) {
            put(sheet.readElementText()); // a string written in the cell itself
        }
    }
    return rows;
}
