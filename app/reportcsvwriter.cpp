#include "reportcsvwriter.h"

#include <algorithm>

#include <QCoreApplication>

QByteArray ReportCsvWriter::results(const ReportData &data)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("ReportCsvWriter", text); };
    QByteArray csv = line({tr("Port"), tr("View"), tr("Result Type"), tr("Section"), tr("Level"), tr("Counter"),
                           tr("Interval"), tr("Value"), tr("Second Value")});
    for (const ReportData::Result &r : data.results) {
        csv += line({QString::number(r.port), r.view, r.type, r.section, r.level, r.counter, r.interval, r.value,
                     r.secondValue});
    }
    return csv;
}

QByteArray ReportCsvWriter::events(const ReportData &data)
{
    QByteArray csv = line(data.eventColumns);
    for (const QStringList &entry : data.events)
        csv += line(entry);
    return csv;
}

QByteArray ReportCsvWriter::line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted.append(field(text));
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QString ReportCsvWriter::field(const QString &text)
{
    static const QString special = QStringLiteral(",\"\r\n");
    const bool quote = std::any_of(text.cbegin(), text.cend(), [](QChar c) { return special.contains(c); });
    if (!quote)
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}
