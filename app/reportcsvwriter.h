#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "reportdata.h"

// The report's tables as CSV (RFC 4180: a header row, fields quoted when they hold a comma, a quote or a
// line break, quotes doubled, lines ended by CR LF; UTF-8): the results, one row per counter, port,
// level, result type and interval, and the event log, one row per entry.
class ReportCsvWriter
{
public:
    static QByteArray results(const ReportData &data);
    static QByteArray events(const ReportData &data);
    // One line of fields, with its line end.
    static QByteArray line(const QStringList &fields);
    static QString field(const QString &text);
};
