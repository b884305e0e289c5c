#include "framecodec.h"

#include <QCborValue>
#include <QtEndian>

QByteArray FrameCodec::encode(const QCborMap &message)
{
    const QByteArray payload = message.toCborValue().toCbor();
    QByteArray frame(headerSize, '\0');
    qToBigEndian<quint32>(quint32(payload.size()), frame.data());
    frame.append(payload);
    return frame;
}

void FrameCodec::append(const QByteArray &bytes)
{
    if (m_error.isEmpty())
        m_buffer.append(bytes);
}

FrameCodec::Result FrameCodec::next(QCborMap *message)
{
    if (!m_error.isEmpty())
        return Result::Failed;
    if (m_buffer.size() < headerSize)
        return Result::NeedMore;
    const quint32 length = qFromBigEndian<quint32>(m_buffer.constData());
    // Checked before waiting for the payload: a peer announcing gigabytes is not waited for.
    if (length == 0 || length > maxPayload)
        return fail(QStringLiteral("frame length %1 outside 1..%2").arg(length).arg(maxPayload));
    if (quint32(m_buffer.size() - headerSize) < length)
        return Result::NeedMore;
    const QByteArray payload = m_buffer.mid(headerSize, int(length));
    m_buffer.remove(0, headerSize + int(length));
    QCborParserError parseError;
    const QCborValue value = QCborValue::fromCbor(payload, &parseError);
    if (parseError.error != QCborError::NoError)
        return fail(QStringLiteral("frame is no CBOR document: %1").arg(parseError.errorString()));
    if (parseError.offset != payload.size())
        return fail(QStringLiteral("frame of %1 bytes holds %2 bytes of CBOR").arg(length).arg(parseError.offset));
    if (!value.isMap())
        return fail(QStringLiteral("frame holds no CBOR map"));
    *message = value.toMap();
    return Result::Message;
}

bool FrameCodec::read(const QByteArray &bytes, const std::function<bool(const QCborMap &)> &handle)
{
    append(bytes);
    QCborMap message;
    for (;;) {
        switch (next(&message)) {
        case Result::NeedMore:
            return true;
        case Result::Failed:
            return false;
        case Result::Message:
            if (!handle(message))
                return true;
            break;
        }
    }
}

FrameCodec::Result FrameCodec::fail(const QString &reason)
{
    m_error = reason;
    m_buffer.clear();
    return Result::Failed;
}
