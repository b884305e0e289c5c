#include "boundview.h"

#include "host/bindings/uihelperlist.h"
#include "host/parameters/intervaldata.h"
#include "host/server/zelservermanager.h"

BoundView::BoundView(zelServerManager *manager, int port, QWidget *parent)
    : QWidget(parent), m_manager(manager), m_helpers(std::make_unique<UiHelperList>()), m_port(port)
{
}

BoundView::~BoundView() = default;

void BoundView::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    m_helpers->ChangePort(port);
}

void BoundView::UpdateText()
{
    m_helpers->UpdateText();
}

void BoundView::ChangeTerminology(int terminology)
{
    m_helpers->ChangeTerminology(terminology);
}

void BoundView::SetGUIAccessState(int state)
{
    m_helpers->SetGUIAccessState(state);
}

void BoundView::connectBindings()
{
    if (!isVisible() || !bindingsReady())
        return;
    m_helpers->ConnectManual();
    if (m_intervalGroup && m_manager)
        m_manager->Interval_GetAndPost_Ex(m_port, m_intervalGroup, currentIntervalSelector);
}

bool BoundView::bindingsReady() const
{
    return true;
}

void BoundView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    connectBindings();
}

void BoundView::hideEvent(QHideEvent *event)
{
    m_helpers->DisconnectManual();
    QWidget::hideEvent(event);
}
