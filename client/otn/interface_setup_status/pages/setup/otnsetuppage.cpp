#include "otnsetuppage.h"

OtnSetupPage::OtnSetupPage(const Identifier &identifier, zelServerManager *manager, int flags, int directionIndex,
                           const QString &helpPage)
    : SetupStatusPage(identifier, helpPage, manager, flags), m_directionIndex(directionIndex)
{
}

void OtnSetupPage::qcmaParameterChanged(const QcmaParameter &) {}
