// Writing and reading comma-separated values: quoting a field, joining a row, cutting a text.
// SPDX-License-Identifier: MIT
#include "progress/csv_text.h"

namespace CsvText {

QString field(const QString& text) {
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString row(const QStringList& fields) {
    QStringList written;
    written.reserve(fields.size());
    for (const QString& f : fields)
        written << field(f);
    return written.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QVector<QStringList> rows(QStringView text) {
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    QVector<QStringList> result;
    QStringList fields;
    QString current;
    bool inQuotes = false;
    bool rowStarted = false;
    auto endRow = [&] {
        fields << current;
        current.clear();
        while (!fields.isEmpty() && fields.last().isEmpty())
            fields.removeLast();
        result << fields;
        fields.clear();
        rowStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                current += c;
            else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                current += text.at(++i);
            else
                inQuotes = false;
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = true;
            rowStarted = true;
        } else if (c == QLatin1Char(',')) {
            fields << current;
            current.clear();
            rowStarted = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            endRow();
        } else {
            current += c;
            rowStarted = true;
        }
    }
    // A last row without a line break still counts; a final line break adds none.
    if (rowStarted || !current.isEmpty() || !fields.isEmpty())
        endRow();
    return result;
}

} // namespace CsvText
