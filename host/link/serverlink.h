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

    virtual const ParameterCatalogue &catalogue() const = 0;
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
