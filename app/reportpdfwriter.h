#pragma once

#include <QByteArray>

#include "reportdata.h"

class QTextDocument;

// Lays a report out as an A4 PDF with Qt's own PDF writer: the header, then per port its structure
// diagrams, transmitted overhead, alarm summary and history chart, then the event log and the result
// tables with the current and cumulative values side by side.
class ReportPdfWriter
{
public:
    static QByteArray render(const ReportData &data);
    // The document the PDF is printed from; its images are resources of the document.
    static void fill(QTextDocument &document, const ReportData &data);

private:
    static QString header(const ReportData &data);
    static QString portSection(QTextDocument &document, const ReportData::Port &port);
    static QString events(const ReportData &data);
    static QString results(const ReportData &data);
    static QString image(QTextDocument &document, const QString &name, const QImage &image);
};
