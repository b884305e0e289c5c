#include "setupstatuspage.h"

SetupStatusPage::SetupStatusPage(const Identifier &identifier, const QString &helpPage, zelServerManager *manager,
                                 int flags, QWidget *parent)
    : Page(manager, parent), m_identifier(identifier), m_helpPage(helpPage), m_flags(flags)
{
}
