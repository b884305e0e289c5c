#include "setupwidget.h"

SetupWidget::SetupWidget(zelServerManager *manager, int port, int group, QWidget *parent)
    : BoundView(manager, port, parent), m_group(group)
{
}

SetupWidget::~SetupWidget() = default;
