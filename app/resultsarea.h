#pragma once

#include <map>
#include <memory>

#include <QWidget>

class EventLog;
class EventLogPage;
class HistoryPage;
class StatisticsListPage;
class StatisticsListTablePageFactory;
class zelServerManager;

namespace Ui {
class ResultsArea;
}

// The result views: alarms/errors and performance, each a page of the plug-in's statistics factory created
// the first time the view is chosen, and the host's own event log and history pages over the session's
// event log; all show the window's port.
class ResultsArea : public QWidget
{
    Q_OBJECT
public:
    explicit ResultsArea(QWidget *parent = nullptr);
    ~ResultsArea() override;

    // The host's own views, after the plug-in's.
    enum HostView { ViewEventLog = -1, ViewHistory = -2 };

    void setup(StatisticsListTablePageFactory *factory, zelServerManager *manager, EventLog *log = nullptr);
    // Shows the view's page; false (and a notice) when the plug-in has none.
    bool showView(int view);
    StatisticsListPage *page(int view) const;
    EventLogPage *eventLogPage() const { return m_eventLogPage; }
    HistoryPage *historyPage() const { return m_historyPage; }
    void setGUIAccessState(int state);
    void setTerminology(int terminology);
    // The window's port: every view shows its counters (the user may still pick another in a view).
    void setPort(int port);

private:
    void viewIndexChanged(int index);

    std::unique_ptr<Ui::ResultsArea> ui;
    StatisticsListTablePageFactory *m_factory = nullptr;
    zelServerManager *m_manager = nullptr;
    int m_port = 1;
    EventLogPage *m_eventLogPage = nullptr;
    HistoryPage *m_historyPage = nullptr;
    // Handed over by the factory; each page is also a child of the area, which it leaves when destroyed.
    std::map<int, std::unique_ptr<StatisticsListPage>> m_pages;
};
