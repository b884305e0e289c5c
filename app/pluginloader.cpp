#include "pluginloader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include "clientlogging.h"
#include "host/contract/technologyplugin.h"

namespace {
// The version is the part of the interface id after the last '/'.
QString versionOf(const QString &iid)
{
    return iid.contains(QLatin1Char('/')) ? iid.section(QLatin1Char('/'), -1) : QString();
}
} // namespace

QString PluginLoader::locate(const QString &givenFile, const QString &applicationDir)
{
    if (!givenFile.isEmpty())
        return QFileInfo(givenFile).absoluteFilePath();
    return QDir::cleanPath(QDir(applicationDir).filePath(pathFromApplication()));
}

QString PluginLoader::pathFromApplication()
{
    return QStringLiteral(ZEL_PLUGIN_FILE);
}

bool PluginLoader::load(const QString &path)
{
    m_plugin = nullptr;
    m_technology.clear();
    m_loader.setFileName(path);
    // Plug-in objects stay alive until the end of the process; never unload under them.
    m_loader.setLoadHints(QLibrary::PreventUnloadHint);

    // Read without loading the library: a stale plug-in must not run any code.
    const QJsonObject metaData = m_loader.metaData();
    if (metaData.isEmpty())
        return refuse(QStringLiteral("%1 is no plug-in: %2").arg(path, m_loader.errorString()));
    const QString hostIid = QStringLiteral(ZEL_TECHNOLOGY_PLUGIN_IID);
    const QString iid = metaData.value(QLatin1String("IID")).toString();
    const QJsonObject described = metaData.value(QLatin1String("MetaData")).toObject();
    const QString version = described.value(QLatin1String("interfaceVersion")).toString();
    if (iid != hostIid || version != versionOf(hostIid)) {
        return refuse(QStringLiteral("%1 implements %2 (interface version %3); this client needs %4")
                          .arg(path, iid.isEmpty() ? QStringLiteral("no technology interface") : iid,
                               version.isEmpty() ? QStringLiteral("none") : version, hostIid));
    }

    auto *plugin = qobject_cast<TechnologyPlugin *>(m_loader.instance());
    if (!plugin)
        return refuse(QStringLiteral("%1 cannot be instantiated: %2").arg(path, m_loader.errorString()));
    m_plugin = plugin;
    m_technology = described.value(QLatin1String("technology")).toString();
    m_error.clear();
    return true;
}

bool PluginLoader::refuse(const QString &reason)
{
    m_error = reason;
    qCWarning(lcClient).noquote() << QStringLiteral("Plug-in refused: %1.").arg(reason);
    return false;
}
