#pragma once

#include "host/contract/interfacesetupidentifier.h"
#include "page.h"

// Base of setup and status pages: the page's identifier and help page.
class ZELBASE_EXPORT SetupStatusPage : public Page
{
    Q_OBJECT
public:
    using Identifier = InterfaceSetupIdentifier;

    SetupStatusPage(const Identifier &identifier, const QString &helpPage, zelServerManager *manager, int flags,
                    QWidget *parent = nullptr);

    const Identifier &identifier() const { return m_identifier; }
    QString helpPage() const { return m_helpPage; }
    void setHelpPage(const QString &page) { m_helpPage = page; }
    int flags() const { return m_flags; }

    // The page's parameters of this group are read anew whenever the server connection comes up.
    void setUpdateOnConnect(int group) { m_updateOnConnectGroup = group; }
    int updateOnConnectGroup() const { return m_updateOnConnectGroup; }

private:
    Identifier m_identifier;
    QString m_helpPage;
    int m_flags = 0;
    int m_updateOnConnectGroup = 0;
};
