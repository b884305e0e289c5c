#pragma once

#include <QLibrary>
#include <QList>

#include "host/contract/pluginentrypoints.h"

// Loads a technology plug-in at run time and reaches its entry points. The library stays loaded
// until the process ends: its objects live in the application.
class PluginLoader
{
public:
    // The OTN plug-in where the build puts it, next to the application's own folder.
    static QString defaultPath();

    bool load(const QString &path);
    bool isLoaded() const { return m_create && m_createStatistics && m_registerStimuli; }
    QString errorString() const { return m_error; }
    QString fileName() const { return m_library.fileName(); }

    // Null when not loaded. The caller owns what they return.
    InterfaceSetupPageFactory *createSetupPageFactory() const;
    StatisticsListTablePageFactory *createStatisticsPageFactory(QList<int> *ports) const;
    void registerStimuli(zelServerManager *manager, int port, QList<StimuliRegistration> *items) const;

private:
    QLibrary m_library;
    QString m_error;
    PluginEntryPoints::CreateSetupPageFactory m_create = nullptr;
    PluginEntryPoints::CreateStatisticsPageFactory m_createStatistics = nullptr;
    PluginEntryPoints::RegisterStimuli m_registerStimuli = nullptr;
};
