#pragma once

#include <memory>

#include <QHash>
#include <QList>

#include "clientoptions.h"
#include "host/contract/stimuliregistration.h"
#include "host/widgets/dialogrunner.h"
#include "pluginloader.h"

class InterfaceSetupPageFactory;
class EventLog;
class IntervalPoller;
class OtnEventClassifier;
class ServerLink;
class SimulatedServerLink;
class StatisticsListTablePageFactory;
class UiHelperWrapper;
class zelServerManager;

// What the host holds for one run: the link to the server (the simulated tester unless the options name
// another), the server manager on it with the interval poller and the dialog runner, the loaded plug-in,
// its factories and the stimuli panels it registered per port.
class ClientSession
{
public:
    explicit ClientSession(const ClientOptions &options);
    ~ClientSession();
    ClientSession(const ClientSession &) = delete;
    ClientSession &operator=(const ClientSession &) = delete;

    // Connects to the server, loads the plug-in and lets it register its pages and panels. False, with the
    // reason in error and pluginError(), when there is no usable plug-in: the tester and the server
    // manager run all the same, and the window shows the reason where the pages would be.
    bool start(QString *error);
    QString pluginError() const { return m_pluginError; }

    ServerLink *link() const { return m_link.get(); }
    // The embedded simulated tester, or null when the link goes elsewhere.
    SimulatedServerLink *tester() const;
    zelServerManager *serverManager() const { return m_manager.get(); }
    // Runs the manager's modal dialogs; screenshots install their handler here.
    DialogRunner &dialogRunner() { return m_dialogRunner; }
    // Polls once per interval while the client runs live (not in screenshot mode).
    IntervalPoller *intervalPoller() const { return m_poller.get(); }
    // The run's event log of every port, kept from the start.
    EventLog *eventLog() const { return m_eventLog.get(); }
    InterfaceSetupPageFactory *setupFactory() const { return m_setupFactory.get(); }
    StatisticsListTablePageFactory *statisticsFactory() const { return m_statisticsFactory.get(); }
    QList<int> ports() const { return m_ports; }
    // The plug-in's maker of its own widgets on customised screens; null without a plug-in.
    UiHelperWrapper *uiHelperWrapper() const { return m_uiHelperWrapper.get(); }
    // Who the client talks to, in words for the status bar and the About box.
    QString testerName() const;

    // The panels registered for the port; whoever takes them owns them from then on.
    QList<StimuliRegistration> takeStimuli(int port);
    // A further set of the port's panels from the plug-in (screenshots); the caller owns them.
    QList<StimuliRegistration> registerStimuli(int port);

private:
    bool fail(const QString &reason, QString *error);

    ClientOptions m_options;
    PluginLoader m_plugin;
    std::unique_ptr<ServerLink> m_link;
    DialogRunner m_dialogRunner;
    std::unique_ptr<zelServerManager> m_manager;
    std::unique_ptr<IntervalPoller> m_poller;
    std::unique_ptr<OtnEventClassifier> m_eventClassifier;
    std::unique_ptr<EventLog> m_eventLog;
    std::unique_ptr<InterfaceSetupPageFactory> m_setupFactory;
    // The statistics factory reads this list; it lives as long as the session.
    QList<int> m_ports;
    std::unique_ptr<StatisticsListTablePageFactory> m_statisticsFactory;
    QHash<int, QList<StimuliRegistration>> m_stimuli;
    std::unique_ptr<UiHelperWrapper> m_uiHelperWrapper;
    QString m_pluginError;
};
