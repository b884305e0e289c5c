#include "zeldialog.h"

#include "host/server/zelservermanager.h"

ZelDialog::ZelDialog(QWidget *parent, zelServerManager *manager, bool modal) : QzelDialog(parent), m_manager(manager)
{
    setModal(modal);
}

WidgetText ZelDialog::texts() const
{
    return m_manager ? m_manager->texts() : WidgetText();
}
