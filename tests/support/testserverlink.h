#pragma once

#include <functional>
#include <memory>
#include <unordered_map>

#include <QHash>
#include <QStringList>
#include <QVariant>

#include "apps/shared/sid.h"
#include "host/link/serverlink.h"
#include "host/parameters/qcmaparameter.h"

// The small fake link of the tests: an in-memory server that validates writes and confirms them queued,
// holds what the test gives it, and counts what it was asked.
class TestServerLink : public ServerLink
{
    Q_OBJECT
public:
    explicit TestServerLink(const QByteArray &catalogueJson = {}, QObject *parent = nullptr);
    // One value of every parameter of the catalogue on each port (global ones once, on no port);
    // initialValues (by SID) replace the catalogue defaults.
    TestServerLink(const QByteArray &catalogueJson, const QList<int> &ports,
                   const QHash<int, QVariant> &initialValues = {});
    ~TestServerLink() override;

    QSharedPointer<const ParameterCatalogue> sharedCatalogue() const override { return m_catalogue; }
    std::vector<std::unique_ptr<QcmaParameter>> snapshot() const override;
    void write(const QList<const QcmaParameter *> &parameters) override;
    void requestIntervalData(int port, int group, quint32 selector) override;
    int portCount() const override { return 4; }
    int portModuleType(int port) const override { return m_moduleTypes.value(port, 0); }
    int applicationType() const override { return 0; }

    // The value the server holds for its SID (a raw pointer is taken over).
    void addParameter(std::unique_ptr<QcmaParameter> parameter);
    void addParameter(QcmaParameter *parameter) { addParameter(std::unique_ptr<QcmaParameter>(parameter)); }
    const QcmaParameter *value(int sid) const;
    // The server changes a value by itself (announced queued).
    void serverChange(std::unique_ptr<QcmaParameter> parameter);
    void serverChange(QcmaParameter *parameter) { serverChange(std::unique_ptr<QcmaParameter>(parameter)); }
    // The same for the value of a parameter it holds; false when it holds none or the value does not fit.
    bool serverChange(int sid, const QVariant &newValue, bool defined = true);
    void setModuleType(int port, int type) { m_moduleTypes.insert(port, type); }
    void setIntervalReply(QSharedPointer<IntervalData> data) { m_intervalReply = data; }

    int writeRequests() const { return m_writeRequests; }
    QList<int> intervalRequests() const { return m_intervalRequests; }
    // Answers posted but not delivered yet.
    int pendingAnswers() const { return m_pendingAnswers; }

    // Catalogue text: {"id": id, "group": "0x0D0000", "kind": "enum", "name": name, "values": [...], "default": value}
    static QByteArray enumDefinition(int id, const QString &name, const QStringList &valueNames, int defaultValue,
                                     int group = nsSID::otn);
    // {"parameters": [definitions...]}
    static QByteArray catalogueJson(const QList<QByteArray> &definitions);

private:
    void announce(const QcmaParameter &parameter);
    void post(const std::function<void()> &answer);

    QSharedPointer<ParameterCatalogue> m_catalogue = QSharedPointer<ParameterCatalogue>::create();
    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_values;
    QHash<int, int> m_moduleTypes;
    QSharedPointer<IntervalData> m_intervalReply;
    int m_writeRequests = 0;
    int m_pendingAnswers = 0;
    QList<int> m_intervalRequests;
};
