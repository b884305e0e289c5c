#pragma once

#include <memory>

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include "host/link/serverlink.h"

class QcmaParameter;
class zelServerManager;

// Writes a setup to the tester batch by batch: the next batch goes once the tester has answered every
// value of the one before, so that each finds the structure its predecessors set. In the end it compares
// what the tester holds with what was written and names every value the tester refused.
class SetupWriter : public QObject
{
    Q_OBJECT
public:
    using Batch = QList<std::shared_ptr<QcmaParameter>>;

    SetupWriter(zelServerManager *manager, const QList<Batch> &batches, QObject *parent = nullptr);
    ~SetupWriter() override;

    // How long the writer waits for the answers of one batch.
    void setAnswerTimeout(int milliseconds) { m_timer.setInterval(milliseconds); }
    void start();
    void cancel();
    bool isFinished() const { return m_finished; }
    int total() const;
    // The values the tester holds otherwise than written, by name, with both values.
    QStringList refused() const { return m_refused; }
    // Empty, or why writing stopped before the end (no answer, the link lost, cancelled).
    QString error() const { return m_error; }

signals:
    void progress(int written, int total);
    void finished();

private:
    void sendNext();
    void parameterChanged(const QcmaParameter &parameter);
    void linkStateChanged(ServerLink::State state);
    void finish(const QString &error);
    QString describe(const QcmaParameter &parameter) const;

    zelServerManager *m_manager = nullptr;
    QList<Batch> m_batches;
    int m_next = 0;
    int m_written = 0;
    QSet<int> m_waiting;
    QTimer m_timer;
    QStringList m_refused;
    QString m_error;
    bool m_finished = false;
};
