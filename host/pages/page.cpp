#include "page.h"

#include <QDialog>

#include "host/server/zelservermanager.h"

Page::Page(zelServerManager *manager, QWidget *parent) : BoundView(manager, 1, parent) {}

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
    connectBindings();
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
