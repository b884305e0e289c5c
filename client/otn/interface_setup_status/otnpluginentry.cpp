#include <type_traits>

#include "client/otn/otnexport.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/contract/pluginentrypoints.h"
#include "otnsetuppagefactory.h"
#include "otnstatisticspagefactory.h"

// The entry points a host resolves by name after loading the library (see PluginEntryPoints).
extern "C" {

ZELOTN_EXPORT InterfaceSetupPageFactory *zelCreateSetupPageFactory()
{
    return new OtnSetupPageFactory;
}

ZELOTN_EXPORT StatisticsListTablePageFactory *zelCreateStatisticsPageFactory(QList<int> *ports)
{
    return new OtnStatisticsPageFactory(ports);
}

ZELOTN_EXPORT void zelRegisterStimuli(zelServerManager *manager, int port, QList<StimuliRegistration> *items)
{
    if (!items)
        return;
    QList<OtnStimuliControl::Item> registered;
    OtnStimuliControl::registerStimuli(manager, port, registered);
    for (const OtnStimuliControl::Item &item : qAsConst(registered))
        items->append(StimuliRegistration{item.sid, item.widget});
}

} // extern "C"

static_assert(std::is_same<decltype(&zelCreateSetupPageFactory), PluginEntryPoints::CreateSetupPageFactory>::value,
              "zelCreateSetupPageFactory does not match the host's entry point");
static_assert(std::is_same<decltype(&zelCreateStatisticsPageFactory),
                           PluginEntryPoints::CreateStatisticsPageFactory>::value,
              "zelCreateStatisticsPageFactory does not match the host's entry point");
static_assert(std::is_same<decltype(&zelRegisterStimuli), PluginEntryPoints::RegisterStimuli>::value,
              "zelRegisterStimuli does not match the host's entry point");
