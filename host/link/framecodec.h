#pragma once

#include <QByteArray>
#include <QCborMap>
#include <QString>

#include <functional>

#include "host/hostexport.h"

// Cuts a byte stream into messages: each frame is a 4-byte big-endian payload length, then that many
// bytes holding one CBOR map. A bad frame leaves the codec failed: the stream cannot be resynchronised,
// so whoever reads it closes the connection.
class ZELCORE_EXPORT FrameCodec
{
public:
    static constexpr int headerSize = 4;
    // Large enough for the welcome of a four-port tester (catalogue and every value) many times over.
    static constexpr quint32 maxPayload = 16u * 1024u * 1024u;

    enum class Result { NeedMore, Message, Failed };

    static QByteArray encode(const QCborMap &message);

    void append(const QByteArray &bytes);
    // The next complete message; Failed with the reason in error() once a frame is bad.
    Result next(QCborMap *message);
    QString error() const { return m_error; }
    // Appends the bytes and hands each complete message to handle, until handle returns false (the reader
    // has closed) or the bytes run out; false once the stream has failed.
    bool read(const QByteArray &bytes, const std::function<bool(const QCborMap &)> &handle);
    // Bytes received but not yet read as a message.
    int buffered() const { return m_buffer.size(); }

private:
    Result fail(const QString &reason);

    QByteArray m_buffer;
    QString m_error;
};
