#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include "host/catalogue/parametercatalogue.h"
#include "host/hostexport.h"
#include "host/parameters/intervaldata.h"

class QcmaParameter;

// The connection to the test hardware's server. Confirmations and interval data arrive queued. A link
// starts connecting; it tells each change of its state, with the reason of a loss.
class ZELCORE_EXPORT ServerLink : public QObject
{
    Q_OBJECT
public:
    enum class State { Connecting, Connected, Lost };
    Q_ENUM(State)

    explicit ServerLink(QObject *parent = nullptr) : QObject(parent) {}
    ~ServerLink() override;

    State state() const { return m_state; }
    // Why the link was lost (empty otherwise).
    QString stateReason() const { return m_stateReason; }

    // How the server describes its parameters. Shared: texts built on it may outlive the link.
    virtual QSharedPointer<const ParameterCatalogue> sharedCatalogue() const = 0;
    const ParameterCatalogue &catalogue() const { return *sharedCatalogue(); }
    // Copies of every current parameter value (none while the server cannot be reached).
    virtual std::vector<std::unique_ptr<QcmaParameter>> snapshot() const = 0;
    // Sends the values as one request; the link copies them. Each accepted (or refused) value is
    // answered later through parameterChanged with the value the server then holds.
    virtual void write(const QList<const QcmaParameter *> &parameters) = 0;
    virtual void requestIntervalData(int port, int group, quint32 selector) = 0;

    virtual int portCount() const = 0;
    virtual int portModuleType(int port) const = 0;
    virtual int applicationType() const = 0;

signals:
    void parameterChanged(QSharedPointer<QcmaParameter> parameter);
    void intervalDataArrived(QSharedPointer<IntervalData> data);
    void stateChanged(ServerLink::State state, const QString &reason);

protected:
    // Announces a new state once; the reason is kept only for a loss.
    void setState(State state, const QString &reason = QString());

private:
    State m_state = State::Connecting;
    QString m_stateReason;
};
