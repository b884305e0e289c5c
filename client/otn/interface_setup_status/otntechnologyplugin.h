#pragma once

#include <QObject>

#include "host/contract/technologyplugin.h"

// The plug-in's root object: what the host reaches through QPluginLoader.
class OtnTechnologyPlugin : public QObject, public TechnologyPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZEL_TECHNOLOGY_PLUGIN_IID FILE "otnplugin.json")
    Q_INTERFACES(TechnologyPlugin)
public:
    explicit OtnTechnologyPlugin(QObject *parent = nullptr);

    std::unique_ptr<InterfaceSetupPageFactory> createSetupPageFactory() const override;
    std::unique_ptr<StatisticsListTablePageFactory> createStatisticsPageFactory(QList<int> *ports) const override;
    QList<StimuliRegistration> registerStimuli(zelServerManager *manager, int port) const override;
    std::unique_ptr<UiHelperWrapper> createUiHelperWrapper(zelServerManager *manager) const override;
};
