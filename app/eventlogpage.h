#pragma once

#include <memory>

#include <QWidget>

class EventLog;
class EventLogFilter;
class QComboBox;

namespace Ui {
class EventLogPage;
}

// The results page of the run's event log: a table over the log, sorted by any column, filtered by port,
// level and kind of event, following new entries while it is scrolled to the end.
class EventLogPage : public QWidget
{
    Q_OBJECT
public:
    explicit EventLogPage(QWidget *parent = nullptr);
    ~EventLogPage() override;

    // The log must outlive the page, or be set anew.
    void setLog(EventLog *log);
    void showPort(int port);
    EventLogFilter *filter() const { return m_filter; }
    QComboBox *portCombo() const;
    QComboBox *levelCombo() const;
    QComboBox *kindCombo() const;

private:
    void fillCombos();
    void updateEntries();
    void aboutToInsert();
    void inserted();

    std::unique_ptr<Ui::EventLogPage> ui;
    EventLog *m_log = nullptr;
    EventLogFilter *m_filter = nullptr;
    bool m_follow = true;
};
