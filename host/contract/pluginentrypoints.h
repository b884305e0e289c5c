#pragma once

#include <QList>

#include "stimuliregistration.h"

class InterfaceSetupPageFactory;
class StatisticsListTablePageFactory;
class zelServerManager;

// The functions (C linkage) through which the host reaches a technology plug-in it loads at run time.
namespace PluginEntryPoints {

// InterfaceSetupPageFactory *f(): a new setup page factory; the host owns it.
constexpr char createSetupPageFactory[] = "zelCreateSetupPageFactory";
// StatisticsListTablePageFactory *f(QList<int> *ports): a new result page factory for the ports.
constexpr char createStatisticsPageFactory[] = "zelCreateStatisticsPageFactory";
// void f(zelServerManager *, int port, QList<StimuliRegistration> *): appends the port's panels.
constexpr char registerStimuli[] = "zelRegisterStimuli";

using CreateSetupPageFactory = InterfaceSetupPageFactory *(*)();
using CreateStatisticsPageFactory = StatisticsListTablePageFactory *(*)(QList<int> *ports);
using RegisterStimuli = void (*)(zelServerManager *manager, int port, QList<StimuliRegistration> *items);

} // namespace PluginEntryPoints
