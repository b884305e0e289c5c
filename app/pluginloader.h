#pragma once

#include <QPluginLoader>
#include <QString>

class TechnologyPlugin;

// Loads a technology plug-in at run time. Its metadata is read first: a plug-in of another interface
// id or version is refused before anything of it is created. A loaded library stays loaded until the
// process ends: its objects live in the application.
class PluginLoader
{
public:
    // The plug-in to load: the file given on the command line (relative to the working folder), or else
    // the OTN plug-in at its place relative to the application's folder, the same in the build tree and
    // in an installed tree wherever it was moved.
    static QString locate(const QString &givenFile, const QString &applicationDir);
    // That place ("../lib/otn-client/plugins/libzelTpClientOtn.so").
    static QString pathFromApplication();

    // False, with the reason in errorString() and one warning logged, when the file is no plug-in of
    // this client's interface.
    bool load(const QString &path);
    bool isLoaded() const { return m_plugin != nullptr; }
    QString errorString() const { return m_error; }
    QString fileName() const { return m_loader.fileName(); }
    // The technology the plug-in's metadata names ("OTN").
    QString technology() const { return m_technology; }

    // Null when not loaded; owned by the loaded library.
    TechnologyPlugin *plugin() const { return m_plugin; }

private:
    bool refuse(const QString &reason);

    QPluginLoader m_loader;
    TechnologyPlugin *m_plugin = nullptr;
    QString m_technology;
    QString m_error;
};
