#pragma once

#include <memory>

#include <QWidget>

#include "reportdata.h"

class ClientSession;
class StatisticsListTablePage;

// Gathers a test report from a running session: the tester and its ports, each port's structure as the
// frame setup pages draw it, the transmitted trace and fault messages, the alarms and the history of the
// event log, and the rows of every result type the result pages offer, for the current interval and the
// cumulative one. The pages are the plug-in's own, shown off screen for the occasion, so the report says
// what the screens say. Reading the result pages asks the tester for intervals, as a shown page does.
class ReportCollector
{
public:
    explicit ReportCollector(ClientSession &session);
    ~ReportCollector();

    ReportData collect();

private:
    void collectPort(ReportData::Port &port);
    void collectOverhead(ReportData::Port &port);
    void collectAlarms(ReportData::Port &port);
    void collectEvents(ReportData &data);
    void collectResults(ReportData &data);
    void readTable(StatisticsListTablePage *page, int port, const QString &view, const QString &type,
                   const QString &interval, QVector<ReportData::Result> &results);
    QImage diagram(int pageId, int port);
    QString structure(int port, bool transmit) const;
    QString text(int sid, int terminology) const;
    // Lets the tester's answers arrive.
    static void settle();

    ClientSession &m_session;
    // The pages are laid out in it off screen, as in the window's page area.
    std::unique_ptr<QWidget> m_stage;
};
