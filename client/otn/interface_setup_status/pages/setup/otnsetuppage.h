#pragma once

#include "client/otn/otnexport.h"
#include "host/bindings/notifyinterface.h"
#include "host/pages/setupstatuspage.h"

// Common base of the OTN setup pages (signal and frame, Tx and Rx).
class ZELOTN_EXPORT OtnSetupPage : public SetupStatusPage, public NotifyInterface
{
    Q_OBJECT
public:
    OtnSetupPage(const Identifier &identifier, zelServerManager *manager, int flags, int directionIndex,
                 const QString &helpPage);

    // 0 transmitter page, 1 receiver page.
    int directionIndex() const { return m_directionIndex; }

    // Clears and rebuilds the page's bindings.
    virtual void reinitialize() = 0;

    void qcmaParameterChanged(const QcmaParameter &parameter) override;

protected:
    int m_directionIndex = 0;
};
