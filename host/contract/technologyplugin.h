#pragma once

#include <memory>

#include <QList>
#include <QtPlugin>

#include "stimuliregistration.h"

class InterfaceSetupPageFactory;
class StatisticsListTablePageFactory;
class UiHelperWrapper;
class zelServerManager;

// What a technology plug-in hands the host that loads it with QPluginLoader. The interface id ends in
// the interface version; the host refuses a plug-in whose id or version differs from its own before it
// creates anything of it. Any change of this class or of a class it hands out changes the version.
class TechnologyPlugin
{
public:
    virtual ~TechnologyPlugin() = default;

    // The factory of the setup and status pages; constructing it registers the plug-in's pages.
    virtual std::unique_ptr<InterfaceSetupPageFactory> createSetupPageFactory() const = 0;
    // The factory of the result page for the ports; the list must outlive the factory.
    virtual std::unique_ptr<StatisticsListTablePageFactory> createStatisticsPageFactory(QList<int> *ports) const = 0;
    // The stimuli panels of one port; the caller owns the panels from then on.
    virtual QList<StimuliRegistration> registerStimuli(zelServerManager *manager, int port) const = 0;
    // The maker of the technology's own widgets on customised screens.
    virtual std::unique_ptr<UiHelperWrapper> createUiHelperWrapper(zelServerManager *manager) const = 0;
};

#define ZEL_TECHNOLOGY_PLUGIN_IID "org.zel.TechnologyPlugin/1.1"
Q_DECLARE_INTERFACE(TechnologyPlugin, ZEL_TECHNOLOGY_PLUGIN_IID)
