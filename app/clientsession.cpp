#include "clientsession.h"

#include <QCoreApplication>

#include "host/contract/interfacesetuppagefactory.h"
#include "host/contract/statisticslisttablepagefactory.h"
#include "host/contract/technologyplugin.h"
#include "host/contract/uihelperwrapper.h"
#include "host/pages/stimuliwidget.h"
#include "host/server/eventlog.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "linkfactory.h"
#include "otneventclassifier.h"
#include "simulator/simulatedserverlink.h"

ClientSession::ClientSession(const ClientOptions &options) : m_options(options) {}

ClientSession::~ClientSession()
{
    for (const QList<StimuliRegistration> &items : qAsConst(m_stimuli)) {
        for (const StimuliRegistration &item : items)
            delete item.widget;
    }
    // Plug-in objects and pages hold the manager; the manager listens to the link.
    m_statisticsFactory.reset();
    m_setupFactory.reset();
    m_poller.reset();
    m_eventLog.reset();
    m_manager.reset();
    m_link.reset();
}

bool ClientSession::start(QString *error)
{
    m_link = LinkFactory::create(m_options);
    if (m_link->state() != ServerLink::State::Connected)
        return fail(QStringLiteral("Cannot reach the tester at %1: %2").arg(m_options.server, m_link->stateReason()), error);
    m_manager = std::make_unique<zelServerManager>(m_link.get());
    m_manager->setModalRunner(&m_dialogRunner);
    m_poller = std::make_unique<IntervalPoller>(m_manager.get());
    m_eventClassifier = std::make_unique<OtnEventClassifier>();
    m_eventLog = std::make_unique<EventLog>(m_manager.get(), m_eventClassifier.get());
    // Screenshots take one interval per picture themselves.
    if (m_options.liveValues && m_options.screenshotDir.isEmpty())
        m_poller->start();
    m_ports.clear();
    for (int port = 1; port <= m_link->portCount(); ++port)
        m_ports.append(port);

    const QString path = PluginLoader::locate(m_options.pluginPath, QCoreApplication::applicationDirPath());
    if (!m_plugin.load(path))
        return fail(QStringLiteral("Cannot load the OTN plug-in: %1").arg(m_plugin.errorString()), error);
    const TechnologyPlugin *plugin = m_plugin.plugin();
    m_setupFactory = plugin->createSetupPageFactory();
    m_statisticsFactory = plugin->createStatisticsPageFactory(&m_ports);
    if (!m_setupFactory || !m_statisticsFactory) {
        m_setupFactory.reset();
        m_statisticsFactory.reset();
        return fail(QStringLiteral("The OTN plug-in created no page factory."), error);
    }
    for (int port : qAsConst(m_ports))
        m_stimuli.insert(port, plugin->registerStimuli(m_manager.get(), port));
    m_uiHelperWrapper = plugin->createUiHelperWrapper(m_manager.get());
    m_pluginError.clear();
    return true;
}

SimulatedServerLink *ClientSession::tester() const
{
    return qobject_cast<SimulatedServerLink *>(m_link.get());
}

QString ClientSession::testerName() const
{
    if (!m_link)
        return QStringLiteral("No tester");
    if (tester())
        return QStringLiteral("Simulated tester, %1 ports, seed %2").arg(m_link->portCount()).arg(m_options.seed);
    return QStringLiteral("Tester with %1 ports").arg(m_link->portCount());
}

bool ClientSession::fail(const QString &reason, QString *error)
{
    m_pluginError = reason;
    if (error)
        *error = reason;
    return false;
}

QList<StimuliRegistration> ClientSession::takeStimuli(int port)
{
    return m_stimuli.take(port);
}

QList<StimuliRegistration> ClientSession::registerStimuli(int port)
{
    const TechnologyPlugin *plugin = m_plugin.plugin();
    return plugin ? plugin->registerStimuli(m_manager.get(), port) : QList<StimuliRegistration>();
}
