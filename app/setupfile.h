#pragma once

#include <memory>

#include <QJsonValue>
#include <QList>
#include <QString>
#include <QVector>

class QcmaParameter;
class zelServerManager;

// A port's signal and overhead setup as a file: every writable parameter of the transmitted and
// expected structure, the traces, FTFL, overhead bytes and detection settings, as versioned JSON.
// Read back, the values come in batches in an order the tester accepts: modules, then the mapping,
// then the tributary slots, then the rest.
class SetupFile
{
public:
    static constexpr int version = 1;
    static QString formatName() { return QStringLiteral("otn-client setup"); }

    struct Value {
        int id = 0;
        QJsonValue value;
    };

    // The port's setup as the manager holds it now.
    static SetupFile capture(const zelServerManager &manager, int port);
    // Writes the file whole or not at all; false with the reason.
    bool save(const QString &path, const zelServerManager &manager, QString *error) const;
    // Reads a file; false with the reason for a file that cannot be read, is no setup, comes from a newer
    // version or holds a value that does not fit the tester's parameter (nothing is taken then).
    bool load(const QString &path, const zelServerManager &manager, int port, QString *error);

    QVector<Value> values() const { return m_values; }
    // The values as the port's parameters, one list per batch, in writing order.
    QList<QList<std::shared_ptr<QcmaParameter>>> batches(const zelServerManager &manager, int port) const;

    // Is this parameter of the port's setup (by id in the OTN group)?
    static bool isSetupParameter(int id);
    // The file's form of a value and back; false when the parameter cannot hold it.
    static QJsonValue toJson(const QcmaParameter &parameter);
    static bool fromJson(const QJsonValue &value, QcmaParameter &parameter);

private:
    static int batchOf(int id);

    QVector<Value> m_values;
};
