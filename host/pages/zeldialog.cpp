#include "zeldialog.h"

#include "host/server/zelservermanager.h"

ZelDialog::ZelDialog(QWidget *parent, zelServerManager *manager, bool modal) : QzelDialog(parent)
{
    setModal(modal);
    setServerManager(manager);
}

void ZelDialog::setServerManager(zelServerManager *manager)
{
    m_manager = manager;
    setDialogRunner(manager ? manager->modalRunner() : nullptr);
}

WidgetText ZelDialog::texts() const
{
    return m_manager ? m_manager->texts() : WidgetText();
}
