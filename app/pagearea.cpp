#include "pagearea.h"

#include <QLabel>

#include "clientlogging.h"
#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/setuppageproperty.h"
#include "host/pages/page.h"
#include "host/server/zelservermanager.h"

PageArea::PageArea(QWidget *parent) : QStackedWidget(parent), m_notice(new QLabel(this))
{
    m_notice->setObjectName(QStringLiteral("lblNoPage"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    addWidget(m_notice);
}

PageArea::~PageArea() = default;

void PageArea::setup(InterfaceSetupPageFactory *factory, zelServerManager *manager, int port)
{
    m_pages.clear();
    m_factory = factory;
    m_manager = manager;
    m_port = port;
    m_terminology = manager ? manager->GetTerminology(port) : 0;
    m_currentPageId = -1;
    m_unavailableReason.clear();
    m_notice->setText(tr("Choose a page."));
    setCurrentWidget(m_notice);
}

void PageArea::setUnavailableReason(const QString &reason)
{
    m_unavailableReason = reason;
    if (!reason.isEmpty())
        m_notice->setText(reason);
}

Page *PageArea::page(int pageId) const
{
    const auto it = m_pages.find(pageId);
    return it == m_pages.end() ? nullptr : it->second.get();
}

bool PageArea::showPage(int pageId)
{
    Page *page = this->page(pageId);
    if (!page && m_factory) {
        std::unique_ptr<Page> created(m_factory->createPage(identifierOf(*m_factory, pageId), m_manager));
        if (created) {
            page = created.get();
            // Moved to the current port before it binds anything.
            page->setPort(m_port);
            page->initializePage();
            // Bindings name their widgets anew in the port's terminology; the page then sets its own texts.
            page->ChangeTerminology(m_terminology);
            page->UpdateText();
            addWidget(page);
            m_pages[pageId] = std::move(created);
        }
    }
    if (!page) {
        qCWarning(lcClient).noquote() << QStringLiteral("The plug-in has no page %1.").arg(pageId);
        m_notice->setText(m_unavailableReason.isEmpty() ? tr("This page is not available.") : m_unavailableReason);
        setCurrentWidget(m_notice);
        m_currentPageId = -1;
        return false;
    }
    setCurrentWidget(page);
    m_currentPageId = pageId;
    emit pageShown(pageId);
    return true;
}

void PageArea::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    for (const auto &entry : m_pages)
        entry.second->setPort(port);
}

void PageArea::setGUIAccessState(int state)
{
    for (const auto &entry : m_pages)
        entry.second->SetGUIAccessState(state);
}

void PageArea::setTerminology(int terminology)
{
    if (terminology == m_terminology)
        return;
    m_terminology = terminology;
    for (const auto &entry : m_pages) {
        entry.second->ChangeTerminology(terminology);
        entry.second->UpdateText();
    }
}

InterfaceSetupIdentifier PageArea::identifierOf(const InterfaceSetupPageFactory &factory, int pageId)
{
    for (const SetupPageProperty *record : factory.setupPageProperties()) {
        if (record->pageId() == pageId)
            return InterfaceSetupIdentifier(pageId, record->direction(), record->layer(), record->technology());
    }
    for (const StatusPageProperty *record : factory.allStatusPageProperties()) {
        if (record->pageId() == pageId)
            return InterfaceSetupIdentifier(pageId, InterfaceSetupIdentifier::DirectionNone,
                                            InterfaceSetupIdentifier::LayerNone, record->technology());
    }
    return InterfaceSetupIdentifier(pageId, InterfaceSetupIdentifier::DirectionNone,
                                    InterfaceSetupIdentifier::LayerNone, factory.technology());
}
