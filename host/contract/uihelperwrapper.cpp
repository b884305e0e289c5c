#include "uihelperwrapper.h"

#include "host/server/zelservermanager.h"

UiHelperWrapper::UiHelperWrapper(zelServerManager *manager) : m_manager(manager) {}

UiHelperWrapper::~UiHelperWrapper() = default;

int UiHelperWrapper::terminology(int port) const
{
    return m_manager ? m_manager->GetTerminology(port) : 0;
}
