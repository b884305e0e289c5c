#pragma once

#include <memory>
#include <unordered_map>

#include <QHash>
#include <QList>
#include <QObject>
#include <QSharedPointer>

#include "host/hostexport.h"
#include "host/parameters/intervaldata.h"
#include "host/texts/widgettext.h"
#include "host/widgets/dialogrunner.h"

class QDialog;
class QcmaParameter;
class ParameterCatalogue;
class ParameterObserver;
class ServerLink;

// The client's side of the server connection: parameter cache, writes, interval data, modal runs.
class ZELBASE_EXPORT zelServerManager : public QObject
{
    Q_OBJECT
public:
    // The port's terminology parameter (general settings group); its value picks the value names.
    static int terminologySid(int port);

    explicit zelServerManager(ServerLink *link, QObject *parent = nullptr);
    ~zelServerManager() override;

    // A copy of the cached parameter, or null when the server has none.
    virtual std::unique_ptr<QcmaParameter> GetQcmaParameter(int sid) const;
    // The cached parameter itself, or null. Valid until the next change of that SID.
    const QcmaParameter *cachedParameter(int sid) const;
    // 1 (SDH names) when the port's terminology setting is non-zero, 2 (SONET names) otherwise.
    virtual int GetTerminology(int port) const;

    // Sends one value, or a list as one request. The cache changes only on the server's confirmation.
    void SetQcmaParameter(const QcmaParameter *parameter);
    void SetQcmaParameterList(const QList<const QcmaParameter *> &parameters);

    // Runs a dialog modally through the dialog runner; 1 means accepted.
    int executeQzelDialog(QDialog *dialog);
    DialogRunner &dialogRunner() { return m_dialogRunner; }

    int getGUIAccessState() const { return m_guiAccessState; }
    void setGUIAccessState(int state);

    int GetPortModuleType(int port) const;
    int GetApplicationType() const;
    int PortCount() const;
    const ParameterCatalogue &catalogue() const;
    // Texts of this server: the built-in texts and the names of its parameters and values.
    const WidgetText &texts() const { return m_texts; }

    // Asks the server for interval data; it reaches the observers of the SIDs it carries.
    void Interval_GetAndPost_Ex(int port, int group, quint32 selector);
    // The port, group and selector of every registered observer bound to interval data, each once, in
    // that order.
    QList<IntervalRequest> intervalRequests() const;

    // Observers and the cache key on the SID without its flag: a result page's flagged SID names the same
    // parameter.
    void addObserver(int sid, ParameterObserver *observer);
    void removeObserver(int sid, ParameterObserver *observer);
    bool hasObserver(int sid, ParameterObserver *observer) const;
    int observerCount(int sid) const;
    // Every SID that has an observer now, in ascending order.
    QList<int> observedSids() const;

signals:
    void parameterChanged(const QcmaParameter &parameter);
    void intervalDataChanged(const IntervalData &data);
    void guiAccessStateChanged(int state);
    void terminologyChanged(int port, int terminology);

private:
    // The terminology parameter's id in the general settings group.
    static constexpr int terminologyId = 30001;

    static int keyOf(int sid);
    void onParameterChanged(QSharedPointer<QcmaParameter> parameter);
    void onIntervalData(QSharedPointer<IntervalData> data);
    QList<ParameterObserver *> observersOf(int sid) const;

    ServerLink *m_link = nullptr;
    QSharedPointer<const ParameterCatalogue> m_catalogue;
    WidgetText m_texts;
    DialogRunner m_dialogRunner;
    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_cache;
    QHash<int, QList<ParameterObserver *>> m_observers;
    int m_guiAccessState = 0;
};
