#include "otnstatuspagebase.h"

#include "apps/shared/sid.h"

OtnStatusPageBase::OtnStatusPageBase(const Identifier &identifier, zelServerManager *manager, int flags)
    : SetupStatusPage(identifier, QString(), manager, flags)
{
    setUpdateOnConnect(nsSID::otn);
}

OtnStatusPageBase::~OtnStatusPageBase() = default;
