#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QObject>
#include <QSharedPointer>

#include "host/catalogue/parametercatalogue.h"
#include "host/hostexport.h"
#include "host/parameters/intervaldata.h"

class QcmaParameter;

// The connection to the test hardware's server. Confirmations and interval data arrive queued.
class ZELCORE_EXPORT ServerLink : public QObject
{
    Q_OBJECT
public:
    explicit ServerLink(QObject *parent = nullptr) : QObject(parent) {}
    ~ServerLink() override;

    // How the server describes its parameters. Shared: texts built on it may outlive the link.
    virtual QSharedPointer<const ParameterCatalogue> sharedCatalogue() const = 0;
    const ParameterCatalogue &catalogue() const { return *sharedCatalogue(); }
    // Copies of every current parameter value.
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
};
