#pragma once

#include "client/otn/otnexport.h"
#include "host/pages/setupstatuspage.h"

// Base of the OTN status pages: their parameters are read anew from the OTN group whenever the
// connection to the tester comes up.
class ZELOTN_EXPORT OtnStatusPageBase : public SetupStatusPage
{
    Q_OBJECT
public:
    OtnStatusPageBase(const Identifier &identifier, zelServerManager *manager, int flags);
    ~OtnStatusPageBase() override;
};
