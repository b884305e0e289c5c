#include <QObject>
#include <QtPlugin>

// A technology plug-in built for an older interface: the host must refuse it from its metadata alone.
class StaleTechnologyPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.zel.TechnologyPlugin/0.9" FILE "staleplugin.json")
public:
    StaleTechnologyPlugin() { qFatal("a refused plug-in was instantiated"); }
};

#include "staleplugin.moc"
