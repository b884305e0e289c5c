#pragma once

#include <memory>
#include <unordered_map>

#include <QHash>

#include "host/link/serverlink.h"
#include "host/parameters/qcmaparameter.h"

// A minimal in-memory server for host tests: validates writes and confirms them queued.
class TestServerLink : public ServerLink
{
    Q_OBJECT
public:
    explicit TestServerLink(const QByteArray &catalogueJson = {}, QObject *parent = nullptr);
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
    void setModuleType(int port, int type) { m_moduleTypes.insert(port, type); }
    void setIntervalReply(QSharedPointer<IntervalData> data) { m_intervalReply = data; }

    int writeRequests() const { return m_writeRequests; }
    QList<int> intervalRequests() const { return m_intervalRequests; }

private:
    void announce(const QcmaParameter &parameter);

    QSharedPointer<ParameterCatalogue> m_catalogue = QSharedPointer<ParameterCatalogue>::create();
    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_values;
    QHash<int, int> m_moduleTypes;
    QSharedPointer<IntervalData> m_intervalReply;
    int m_writeRequests = 0;
    QList<int> m_intervalRequests;
};
