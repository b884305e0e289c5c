#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QVariant>
#include <memory>

#include "host/server/zelservermanager.h"
#include "tests/support/testserverlink.h"

class QcmaParameter;

// A test server holding one value of every parameter of a catalogue on each given port (global
// parameters once, on no port), with the server manager that dialogs talk to.
class SetupDialogServer
{
public:
    // initialValues (by SID) replace the catalogue defaults before the manager reads the server.
    explicit SetupDialogServer(const QByteArray &catalogueJson, const QList<int> &ports = {1},
                               const QHash<int, QVariant> &initialValues = {});
    ~SetupDialogServer();

    TestServerLink &link() { return *m_link; }
    zelServerManager *manager() { return m_manager.get(); }

    // The value the server holds, or null.
    const QcmaParameter *value(int sid) const { return m_link->value(sid); }
    // The server changes its value by itself; the change is announced queued.
    void serverChange(int sid, const QVariant &value, bool defined = true);

    // {"id": id, "group": "0x0D0000", "kind": "enum", "name": name, "values": [...], "default": value}
    static QByteArray enumDefinition(int id, const QString &name, const QStringList &valueNames, int defaultValue,
                                     int group = 0x0D0000);
    // {"parameters": [definitions...]}
    static QByteArray catalogue(const QList<QByteArray> &definitions);

private:
    std::unique_ptr<TestServerLink> m_link;
    std::unique_ptr<zelServerManager> m_manager;
};
