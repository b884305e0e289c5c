#include "pluginloader.h"

#include <QCoreApplication>
#include <QDir>

namespace {
const char otnPluginName[] = "zelTpClientOtn";
}

QString PluginLoader::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../lib/%1").arg(otnPluginName));
}

bool PluginLoader::load(const QString &path)
{
    m_create = nullptr;
    m_createStatistics = nullptr;
    m_registerStimuli = nullptr;
    m_library.setFileName(path);
    // Plug-in objects stay alive until the end of the process; never unload under them.
    m_library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    m_create = reinterpret_cast<PluginEntryPoints::CreateSetupPageFactory>(
        m_library.resolve(PluginEntryPoints::createSetupPageFactory));
    m_createStatistics = reinterpret_cast<PluginEntryPoints::CreateStatisticsPageFactory>(
        m_library.resolve(PluginEntryPoints::createStatisticsPageFactory));
    m_registerStimuli = reinterpret_cast<PluginEntryPoints::RegisterStimuli>(
        m_library.resolve(PluginEntryPoints::registerStimuli));
    if (!isLoaded()) {
        m_error = QStringLiteral("%1 lacks the entry points of a plug-in").arg(m_library.fileName());
        m_create = nullptr;
        m_createStatistics = nullptr;
        m_registerStimuli = nullptr;
        return false;
    }
    m_error.clear();
    return true;
}

InterfaceSetupPageFactory *PluginLoader::createSetupPageFactory() const
{
    return m_create ? m_create() : nullptr;
}

StatisticsListTablePageFactory *PluginLoader::createStatisticsPageFactory(QList<int> *ports) const
{
    return m_createStatistics ? m_createStatistics(ports) : nullptr;
}

void PluginLoader::registerStimuli(zelServerManager *manager, int port, QList<StimuliRegistration> *items) const
{
    if (m_registerStimuli)
        m_registerStimuli(manager, port, items);
}
