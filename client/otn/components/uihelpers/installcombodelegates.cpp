#include "installcombodelegates.h"

#include "host/pages/dialogsetup.h"

void installComboDelegates(QWidget *root)
{
    DialogSetup::installComboDelegates(root);
}
