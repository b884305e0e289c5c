#include "page.h"

#include <QDialog>

#include "host/bindings/uihelperlist.h"
#include "host/server/zelservermanager.h"

Page::Page(zelServerManager *manager, QWidget *parent)
    : QWidget(parent), m_manager(manager), m_helpers(std::make_unique<UiHelperList>())
{
}

Page::~Page() = default;

void Page::initializePage()
{
    if (m_initialized)
        return;
    initializeUi();
    m_initialized = true;
    UpdateText();
    initializeHelper();
    if (m_manager)
        SetGUIAccessState(m_manager->getGUIAccessState());
    connectHelper();
}

void Page::initializeUi() {}

void Page::initializeHelper() {}

void Page::connectHelper()
{
    if (isVisible())
        m_helpers->ConnectManual();
}

void Page::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    m_helpers->ChangePort(port);
}

void Page::UpdateText()
{
    m_helpers->UpdateText();
}

void Page::ChangeTerminology(int terminology)
{
    m_helpers->ChangeTerminology(terminology);
}

void Page::SetGUIAccessState(int state)
{
    m_helpers->SetGUIAccessState(state);
}

int Page::uiEditDialog_open(std::unique_ptr<QDialog> dialog)
{
    if (!dialog)
        return 0;
    return m_manager ? m_manager->executeQzelDialog(dialog.get()) : dialog->exec();
}

WidgetText Page::texts() const
{
    return m_manager ? m_manager->texts() : WidgetText();
}

void Page::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_initialized)
        m_helpers->ConnectManual();
}

void Page::hideEvent(QHideEvent *event)
{
    m_helpers->DisconnectManual();
    QWidget::hideEvent(event);
}
