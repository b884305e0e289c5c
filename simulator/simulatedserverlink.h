#pragma once

#include <functional>
#include <memory>

#include <QStringList>
#include <QVector>

#include "host/link/serverlink.h"
#include "simulatoroptions.h"

class Generator;
class JustificationMove;
class LiveValues;
class ParameterStore;
class ResultCounters;
class StructureRules;

// The embedded simulated tester: a per-port parameter store built from the JSON catalogue, write
// validation, the dependent-parameter rules of the OTN structure, and interval data computed from the
// configured signal: a request for the current interval measures the port anew (its physical values move
// a little, its generator sends another second of what it inserts and the pointer moves applied since, its
// receiver counts that second) and answers with those values, the tributary scan's words while the scan
// runs, the overhead capture and the result counters. Every answer arrives queued. The link is connected
// from the start; the tester side can cut it and bring it back.
class SimulatedServerLink : public ServerLink
{
    Q_OBJECT
public:
    explicit SimulatedServerLink(const SimulatorOptions &options = SimulatorOptions(), QObject *parent = nullptr);
    ~SimulatedServerLink() override;

    QSharedPointer<const ParameterCatalogue> sharedCatalogue() const override { return m_catalogue; }
    std::vector<std::unique_ptr<QcmaParameter>> snapshot() const override;
    void write(const QList<const QcmaParameter *> &parameters) override;
    void requestIntervalData(int port, int group, quint32 selector) override;

    int portCount() const override;
    // The transceiver the port is set to use (the Tx module parameter), the option until then.
    int portModuleType(int port) const override;
    int applicationType() const override { return m_options.applicationType; }

    // Tester side, for the application and for tests.
    const SimulatorOptions &options() const { return m_options; }
    // The value the tester holds now (null for an unknown SID); valid until the next change.
    const QcmaParameter *value(int sid) const;
    // Problems met while reading the catalogue files.
    QStringList catalogueErrors() const { return m_catalogueErrors; }
    // Write requests received so far, and values refused in them.
    int writeRequests() const { return m_writeRequests; }
    int refusedWrites() const { return m_refusedWrites; }
    // Answers (confirmations, changes, interval data) posted but not yet delivered. A write request
    // that names a known parameter is answered by exactly one.
    int pendingAnswers() const { return m_pendingAnswers; }
    // The tester changes a value by itself (an alarm comes up, a measured value moves); the change and
    // its dependents are announced queued like a confirmation. False for an unknown SID or a value the
    // parameter cannot hold.
    bool serverChange(int sid, const QVariant &value);
    // The connection goes (answers not yet delivered are lost with it, requests are not received) and
    // comes back; the tester keeps running meanwhile.
    void dropConnection(const QString &reason);
    void restoreConnection();

private:
    void loadCatalogue();
    // The transceiver of the port, for both directions (the Rx module parameter orders them otherwise).
    void plugModule(int port, int txModuleType);
    void announce(const QList<int> &sids);
    // Brings the insertion, measured values and alarms of the ports in line; the SIDs changed since the
    // last call.
    QList<int> followConfiguration(const QList<int> &ports, bool modelAlarms);
    void followPort(int port, bool modelAlarms);
    // One second of the port: what its generator sends in it, measured by its receiver.
    void measureSecond(int port);
    // Clears the counters and alarm history of every port and restarts the elapsed time.
    void resetMeasurement();
    // Delivers an answer through the event loop, unless the connection it was meant for is gone by then.
    void post(std::function<void()> answer);

    SimulatorOptions m_options;
    QSharedPointer<ParameterCatalogue> m_catalogue = QSharedPointer<ParameterCatalogue>::create();
    QStringList m_catalogueErrors;
    std::unique_ptr<ParameterStore> m_store;
    std::unique_ptr<StructureRules> m_rules;
    std::unique_ptr<LiveValues> m_live;
    std::unique_ptr<ResultCounters> m_counters;
    std::unique_ptr<Generator> m_generator;
    std::unique_ptr<JustificationMove> m_justification;
    // Seconds measured per port since the last reset.
    QVector<int> m_measuredSeconds;
    int m_writeRequests = 0;
    int m_refusedWrites = 0;
    int m_pendingAnswers = 0;
    // Counts the connections: an answer is delivered only on the one it was posted on.
    int m_connection = 0;
};
