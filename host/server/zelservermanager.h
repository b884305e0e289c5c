#pragma once

#include <memory>
#include <unordered_map>

#include <QHash>
#include <QList>
#include <QObject>
#include <QSharedPointer>

#include "host/hostexport.h"
#include "host/link/serverlink.h"
#include "host/parameters/intervaldata.h"
#include "host/texts/widgettext.h"

class QDialog;
class QcmaParameter;
class ParameterCatalogue;
class ParameterObserver;
class ModalRunner;

// The client's side of the server connection: parameter cache, writes, interval data, the link's state,
// modal runs. Needs no widgets: dialogs run through the modal runner installed on it.
class ZELCORE_EXPORT zelServerManager : public QObject
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

    // Runs a dialog modally through the modal runner; 1 means accepted. Without a runner nothing runs: a
    // logged line and 0.
    int executeQzelDialog(QDialog *dialog);
    // The runner is not owned; it must outlive the manager or be taken away first (null).
    void setModalRunner(ModalRunner *runner) { m_modalRunner = runner; }
    ModalRunner *modalRunner() const { return m_modalRunner; }

    // The link's state as the manager last heard it, and the reason of a loss.
    ServerLink::State linkState() const { return m_linkState; }
    QString linkStateReason() const { return m_linkStateReason; }

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
    // After the cache was brought up to date: on (re)connection the values the server holds now have
    // already reached the observers.
    void linkStateChanged(ServerLink::State state, const QString &reason);

private:
    // The terminology parameter's id in the general settings group.
    static constexpr int terminologyId = 30001;

    static int keyOf(int sid);
    void onParameterChanged(QSharedPointer<QcmaParameter> parameter);
    void onIntervalData(QSharedPointer<IntervalData> data);
    void onLinkStateChanged(ServerLink::State state, const QString &reason);
    // Takes the server's values anew; the observers hear of those that differ from the cache.
    void refreshFromSnapshot();
    // Caches the value and tells its observers and listeners.
    void publish(std::unique_ptr<QcmaParameter> parameter);
    // Whether a value from the link fits the catalogue; a value that does not is logged and dropped.
    bool admitted(const QcmaParameter &parameter) const;
    QList<ParameterObserver *> observersOf(int sid) const;

    ServerLink *m_link = nullptr;
    QSharedPointer<const ParameterCatalogue> m_catalogue;
    WidgetText m_texts;
    ModalRunner *m_modalRunner = nullptr;
    ServerLink::State m_linkState = ServerLink::State::Connecting;
    QString m_linkStateReason;
    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_cache;
    QHash<int, QList<ParameterObserver *>> m_observers;
    int m_guiAccessState = 0;
};
