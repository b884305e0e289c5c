#include "reportpdfwriter.h"

#include <QBuffer>
#include <QHash>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {
// The widest picture on the page, in the document's pixels: the text width of A4 within its margins.
constexpr int maxImageWidth = 500;
constexpr int pdfResolution = 300;
const QMarginsF pageMargins(15, 15, 15, 15); // millimetres

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportPdfWriter", text);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString cell(const QString &text, const char *tag = "td")
{
    return QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), escaped(text));
}

QString tableStart()
{
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
}

QString headerRow(const QStringList &titles)
{
    QString row = QStringLiteral("<tr style=\"background-color:#dddddd\">");
    for (const QString &title : titles)
        row += cell(title, "th");
    return row + QStringLiteral("</tr>");
}

QString row(const QStringList &texts)
{
    QString row = QStringLiteral("<tr>");
    for (const QString &text : texts)
        row += cell(text);
    return row + QStringLiteral("</tr>");
}
} // namespace

QByteArray ReportPdfWriter::render(const ReportData &data)
{
    QTextDocument document;
    fill(document, data);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(pdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, pageMargins,
                                         QPageLayout::Millimeter));
        writer.setTitle(tr("OTN Test Report"));
        writer.setCreator(QStringLiteral("otn-client %1").arg(data.clientVersion));
        document.print(&writer);
    }
    return bytes;
}

void ReportPdfWriter::fill(QTextDocument &document, const ReportData &data)
{
    QString html = QStringLiteral("<html><body style=\"font-size:9pt\">");
    html += header(data);
    for (const ReportData::Port &port : data.ports)
        html += portSection(document, port);
    html += events(data);
    html += results(data);
    html += QStringLiteral("</body></html>");
    document.setHtml(html);
}

QString ReportPdfWriter::header(const ReportData &data)
{
    QString html = QStringLiteral("<h1>%1</h1>").arg(escaped(tr("OTN Test Report")));
    html += QStringLiteral("<table cellpadding=\"2\">");
    html += row({tr("Date and time"), data.created.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))});
    html += row({tr("Client version"), QStringLiteral("otn-client %1").arg(data.clientVersion)});
    html += row({tr("Tester"), data.tester});
    for (const ReportData::Port &port : data.ports)
        html += row({tr("Port %1").arg(port.port), tr("Module %1, Tx %2, Rx %3").arg(port.module, port.txStructure, port.rxStructure)});
    return html + QStringLiteral("</table>");
}

QString ReportPdfWriter::image(QTextDocument &document, const QString &name, const QImage &image)
{
    if (image.isNull())
        return QStringLiteral("<p>%1</p>").arg(escaped(tr("(no picture)")));
    document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    const int width = qMin(image.width(), maxImageWidth);
    return QStringLiteral("<p><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
        .arg(name)
        .arg(width)
        .arg(image.height() * width / qMax(1, image.width()));
}

QString ReportPdfWriter::portSection(QTextDocument &document, const ReportData::Port &port)
{
    const QString id = QString::number(port.port);
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(tr("Port %1").arg(port.port)));
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Tx structure: %1").arg(port.txStructure)));
    html += image(document, QStringLiteral("tx-diagram-") + id, port.txDiagram);
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Rx structure: %1").arg(port.rxStructure)));
    html += image(document, QStringLiteral("rx-diagram-") + id, port.rxDiagram);

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Transmitted TTI and FTFL")));
    html += tableStart() + headerRow({tr("Level"), tr("Field"), tr("Value")});
    for (const ReportData::Field &field : port.overhead)
        html += row({field.level, field.name, field.value});
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Alarms")));
    if (port.alarms.isEmpty()) {
        html += QStringLiteral("<p>%1</p>").arg(escaped(tr("No alarm in the run.")));
    } else {
        html += tableStart() + headerRow({tr("Level"), tr("Alarm"), tr("Seconds in alarm"), tr("State")});
        for (const ReportData::Alarm &alarm : port.alarms) {
            html += row({alarm.level, alarm.name, QString::number(alarm.seconds),
                         alarm.current ? tr("Current") : tr("History")});
        }
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("History")));
    html += image(document, QStringLiteral("history-") + id, port.history);
    return html;
}

QString ReportPdfWriter::events(const ReportData &data)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(tr("Event Log")));
    if (data.events.isEmpty())
        return html + QStringLiteral("<p>%1</p>").arg(escaped(tr("No event in the run.")));
    html += tableStart() + headerRow(data.eventColumns);
    for (const QStringList &line : data.events)
        html += row(line);
    return html + QStringLiteral("</table>");
}

QString ReportPdfWriter::results(const ReportData &data)
{
    // One table per port, view and type; a counter's current and cumulative values on one line.
    struct Line {
        QString section;
        QString level;
        QString counter;
        QStringList values;
    };
    struct Table {
        int port = 0;
        QString view;
        QString type;
        QVector<Line> lines;
        QHash<QString, int> lineOf;
    };
    QVector<Table> tables;
    QHash<QString, int> tableOf;
    QStringList intervals;
    for (const ReportData::Result &result : data.results) {
        if (!intervals.contains(result.interval))
            intervals.append(result.interval);
        const QString tableKey = QStringLiteral("%1\n%2\n%3").arg(result.port).arg(result.view, result.type);
        auto found = tableOf.find(tableKey);
        if (found == tableOf.end()) {
            found = tableOf.insert(tableKey, tables.size());
            tables.append(Table{result.port, result.view, result.type, {}, {}});
        }
        Table &table = tables[*found];
        const QString key = result.section + QLatin1Char('\n') + result.level + QLatin1Char('\n') + result.counter;
        auto it = table.lineOf.find(key);
        if (it == table.lineOf.end()) {
            it = table.lineOf.insert(key, table.lines.size());
            table.lines.append(Line{result.section, result.level, result.counter, {}});
        }
        const int column = intervals.indexOf(result.interval);
        QStringList &values = table.lines[*it].values;
        while (values.size() < 2 * (column + 1))
            values.append(QString());
        values[2 * column] = result.value;
        values[2 * column + 1] = result.secondValue;
    }

    QString html = QStringLiteral("<h2>%1</h2>").arg(escaped(tr("Results")));
    // Each interval's column title covers its value and, for errors, its rate.
    QString titleRow = QStringLiteral("<tr style=\"background-color:#dddddd\">") + cell(tr("Counter"), "th");
    for (const QString &interval : qAsConst(intervals))
        titleRow += QStringLiteral("<th colspan=\"2\">%1</th>").arg(escaped(interval));
    titleRow += QStringLiteral("</tr>");
    const int columns = 1 + 2 * intervals.size();
    for (const Table &table : qAsConst(tables)) {
        html += QStringLiteral("<h3>%1</h3>").arg(escaped(tr("Port %1, %2: %3").arg(table.port).arg(table.view, table.type)));
        html += tableStart() + titleRow;
        QString section;
        for (const Line &line : table.lines) {
            const QString title = line.level.isEmpty() ? line.section : line.section + QStringLiteral(" - ") + line.level;
            if (title != section) {
                section = title;
                html += QStringLiteral("<tr style=\"background-color:#eeeeee\"><td colspan=\"%1\"><b>%2</b></td></tr>")
                            .arg(columns)
                            .arg(escaped(title));
            }
            QStringList texts{line.counter};
            texts << line.values;
            while (texts.size() < columns)
                texts.append(QString());
            html += row(texts);
        }
        html += QStringLiteral("</table>");
    }
    return html;
}
