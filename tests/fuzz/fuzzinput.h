#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <QApplication>
#include <QByteArray>

// Reads typed values off a fuzzer's input; past its end every value is zero and every array empty.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    quint8 byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    quint32 word()
    {
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value = (value << 8) | byte();
        return value;
    }
    int integer() { return int(word()); }
    // An array whose length is the next byte (or two bytes when the first is 0xFF).
    QByteArray bytes()
    {
        size_t length = byte();
        if (length == 0xFF) {
            const size_t high = byte();
            length = high << 8 | byte();
        }
        return take(length);
    }
    QByteArray rest() { return take(m_size - m_pos); }
    bool atEnd() const { return m_pos >= m_size; }

private:
    QByteArray take(size_t length)
    {
        if (length > m_size - m_pos)
            length = m_size - m_pos;
        const QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), int(length));
        m_pos += length;
        return out;
    }

    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// A broken rule of the decoder: the fuzzer reports it as a crash with this input.
#define FUZZ_CHECK(condition)                                                                         \
    do {                                                                                              \
        if (!(condition)) {                                                                           \
            qCritical("Fuzz check failed: %s (%s:%d)", #condition, __FILE__, __LINE__);               \
            std::abort();                                                                             \
        }                                                                                             \
    } while (false)

// Widgets need an application; one is made on the first input, offscreen, and kept.
inline void ensureFuzzApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
