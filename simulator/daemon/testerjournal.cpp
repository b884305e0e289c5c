#include "testerjournal.h"

#include <QCborMap>
#include <QLoggingCategory>

#include "host/link/framecodec.h"
#include "host/link/linkmessage.h"

Q_LOGGING_CATEGORY(lcTesterJournal, "zel.tester.state")

TesterJournal::TesterJournal(const QString &path) : m_file(path) {}

QList<QCborMap> TesterJournal::load(QStringList *errors) const
{
    QList<QCborMap> writes;
    if (m_file.fileName().isEmpty())
        return writes;
    QFile file(m_file.fileName());
    if (!file.exists())
        return writes;
    if (!file.open(QIODevice::ReadOnly)) {
        errors->append(QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString()));
        return writes;
    }
    FrameCodec codec;
    codec.append(file.readAll());
    QCborMap message;
    for (;;) {
        const FrameCodec::Result result = codec.next(&message);
        if (result == FrameCodec::Result::Message) {
            QString error;
            if (LinkMessage::check(message, &error) == LinkMessage::Type::Write)
                writes.append(message);
            else
                errors->append(QStringLiteral("%1: request %2 skipped: %3")
                                   .arg(file.fileName())
                                   .arg(writes.size() + 1)
                                   .arg(error.isEmpty() ? QStringLiteral("not a write") : error));
            continue;
        }
        if (result == FrameCodec::Result::Failed)
            errors->append(QStringLiteral("%1: read up to request %2: %3").arg(file.fileName()).arg(writes.size()).arg(codec.error()));
        else if (codec.buffered() > 0)
            errors->append(QStringLiteral("%1: the last request is cut short (%2 bytes)").arg(file.fileName()).arg(codec.buffered()));
        return writes;
    }
}

bool TesterJournal::append(const QCborMap &write)
{
    if (m_file.fileName().isEmpty())
        return true;
    if (!m_file.isOpen() && !m_file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        qCWarning(lcTesterJournal).noquote() << "cannot keep the state in" << m_file.fileName() << ":" << m_file.errorString();
        return false;
    }
    const QByteArray frame = FrameCodec::encode(write);
    if (m_file.write(frame) != frame.size() || !m_file.flush()) {
        qCWarning(lcTesterJournal).noquote() << "cannot keep the state in" << m_file.fileName() << ":" << m_file.errorString();
        return false;
    }
    return true;
}
