#include "setupwidget.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelperlist.h"

SetupWidget::SetupWidget(zelServerManager *manager, int port, int group, QWidget *parent)
    : QWidget(parent), m_manager(manager), m_helpers(std::make_unique<UiHelperList>()), m_port(port), m_group(group)
{
}

SetupWidget::~SetupWidget() = default;

void SetupWidget::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    m_helpers->ChangePort(port);
}

void SetupWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_helpers->ConnectManual();
}

void SetupWidget::hideEvent(QHideEvent *event)
{
    m_helpers->DisconnectManual();
    QWidget::hideEvent(event);
}
