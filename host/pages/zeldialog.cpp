#include "zeldialog.h"

ZelDialog::ZelDialog(QWidget *parent, zelServerManager *manager, bool modal) : QzelDialog(parent), m_manager(manager)
{
    setModal(modal);
}
