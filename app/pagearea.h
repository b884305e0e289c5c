#pragma once

#include <map>
#include <memory>

#include <QStackedWidget>

#include "host/contract/interfacesetupidentifier.h"

class InterfaceSetupPageFactory;
class Page;
class QLabel;
class zelServerManager;

// Where the setup and status pages are shown. A page is created through the plug-in's factory the
// first time it is asked for, started through the page life cycle, and kept (the area owns it).
class PageArea : public QStackedWidget
{
    Q_OBJECT
public:
    explicit PageArea(QWidget *parent = nullptr);
    ~PageArea() override;

    void setup(InterfaceSetupPageFactory *factory, zelServerManager *manager, int port);
    // Why there are no pages (no usable plug-in); shown in their place.
    void setUnavailableReason(const QString &reason);
    // Shows the page, creating it when needed; false (and a notice in its place) when the plug-in
    // has no such page.
    bool showPage(int pageId);
    Page *page(int pageId) const;
    int currentPageId() const { return m_currentPageId; }

    void setPort(int port);
    void setGUIAccessState(int state);
    void setTerminology(int terminology);

    // The identifier the host asks the factory with: the registered record's fields.
    static InterfaceSetupIdentifier identifierOf(const InterfaceSetupPageFactory &factory, int pageId);

signals:
    void pageShown(int pageId);

private:
    InterfaceSetupPageFactory *m_factory = nullptr;
    zelServerManager *m_manager = nullptr;
    QLabel *m_notice = nullptr;
    QString m_unavailableReason;
    // Handed over by the factory; each page is also a child of the area, which it leaves when destroyed.
    std::map<int, std::unique_ptr<Page>> m_pages;
    int m_port = 1;
    int m_terminology = 0;
    int m_currentPageId = -1;
};
