#pragma once

#include <memory>
#include <vector>

#include <QHash>
#include <QWidget>

#include "host/bindings/notifyinterface.h"

class InterfaceSetupPageFactory;
class PortStatusItem;
class QTreeWidgetItem;
class StatusItemShowJudgeInterface;
class StatusPageProperty;
class StatusTypeJudge;
class UiHelperList;
class zelServerManager;

namespace Ui {
class NavigationList;
}

// The list of the plug-in's setup and status pages with their titles; status pages carry their
// status items as LEDs, and a page whose show judge says no is left out of the list. The alarms and
// errors page leads its items with a summary LED: the worst status the page shows on any level (the
// items alone may all be clear while another alarm is raised). Entries whose titles are the same say
// which direction they are ("Tx Frame Setup"), or are numbered when that does not tell them apart.
class NavigationList : public QWidget, public NotifyInterface
{
    Q_OBJECT
public:
    explicit NavigationList(QWidget *parent = nullptr);
    ~NavigationList() override;

    void setup(const InterfaceSetupPageFactory *factory, zelServerManager *manager, int port);
    void setPort(int port);
    void setTerminology(int terminology);
    void setCurrentPage(int pageId);

    // Every registered page, in list order, and whether the list offers it now.
    QList<int> pageIds() const;
    bool isPageOffered(int pageId) const;
    QString titleOf(int pageId) const;
    // The LEDs of a status page's items, in item order.
    QList<PortStatusItem *> statusLeds(int pageId) const;
    // The summary LED of a status page; null for a page without one.
    PortStatusItem *summaryLed(int pageId) const;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

signals:
    void pageRequested(int pageId);

private:
    struct Entry {
        int pageId = -1;
        int titleKey = 0;
        int direction = 0;   // setup pages: InterfaceSetupIdentifier::Direction; status pages: 0
        QTreeWidgetItem *item = nullptr;
        const StatusPageProperty *record = nullptr;   // status pages only
        QList<PortStatusItem *> leds;
        PortStatusItem *summary = nullptr;
    };
    struct ItemJudge {
        int sid = 0;   // port 0
        StatusItemShowJudgeInterface *judge = nullptr;
        PortStatusItem *led = nullptr;
    };

    Entry &addEntry(QTreeWidgetItem *group, int pageId, int titleKey, int direction = 0);
    // summarySids (without port): what the summary LED, put before the items, sums up; none for no LED.
    void addStatusItems(Entry &entry, const StatusPageProperty &record, const QList<int> &summarySids);
    void updateSummary();
    void retitle();
    void currentItemChanged(QTreeWidgetItem *current);

    std::unique_ptr<Ui::NavigationList> ui;
    std::unique_ptr<UiHelperList> m_helpers;
    zelServerManager *m_manager = nullptr;
    std::vector<std::unique_ptr<StatusTypeJudge>> m_judges;
    QList<Entry> m_entries;
    QList<ItemJudge> m_itemJudges;
    // The statuses the summary LED sums up, by SID without port.
    QHash<int, int> m_summaryStates;
    PortStatusItem *m_summaryLed = nullptr;
    QTreeWidgetItem *m_setupGroup = nullptr;
    QTreeWidgetItem *m_statusGroup = nullptr;
    int m_port = 1;
    int m_terminology = 0;
    bool m_updating = false;
};
