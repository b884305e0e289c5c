#include "otntechnologyplugin.h"

#include "client/otn/customizedscreen/uihelperwrapperotn.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "otnsetuppagefactory.h"
#include "otnstatisticspagefactory.h"

OtnTechnologyPlugin::OtnTechnologyPlugin(QObject *parent) : QObject(parent) {}

std::unique_ptr<InterfaceSetupPageFactory> OtnTechnologyPlugin::createSetupPageFactory() const
{
    return std::make_unique<OtnSetupPageFactory>();
}

std::unique_ptr<StatisticsListTablePageFactory> OtnTechnologyPlugin::createStatisticsPageFactory(QList<int> *ports) const
{
    return std::make_unique<OtnStatisticsPageFactory>(ports);
}

QList<StimuliRegistration> OtnTechnologyPlugin::registerStimuli(zelServerManager *manager, int port) const
{
    QList<OtnStimuliControl::Item> registered;
    OtnStimuliControl::registerStimuli(manager, port, registered);
    QList<StimuliRegistration> items;
    for (const OtnStimuliControl::Item &item : qAsConst(registered))
        items.append(StimuliRegistration{item.sid, item.widget});
    return items;
}

std::unique_ptr<UiHelperWrapper> OtnTechnologyPlugin::createUiHelperWrapper(zelServerManager *manager) const
{
    return std::make_unique<UiHelperWrapperOTN>(manager);
}
