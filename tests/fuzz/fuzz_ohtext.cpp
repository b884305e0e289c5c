// The text rules of the TTI and FTFL messages: what the editors and capture views make of any bytes.
#include "fuzzinput.h"

#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/otnttilayout.h"

namespace {
bool printable(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const int count = qint16(in.word() & 0xFFFF);
    const int length = qint16(in.word() & 0xFFFF);
    const int code = in.integer();
    const QByteArray a = in.bytes();
    const QByteArray b = in.bytes();
    const QByteArray c = in.rest();

    const QString shown = bytesToPrintable(c, count);
    FUZZ_CHECK(shown.size() == qBound(0, count, c.size()));
    FUZZ_CHECK(printable(shown));

    const QString text = QString::fromUtf8(c);
    const QString masked = maskNonPrintable(text);
    // One dot per character: a character beyond the BMP is two UTF-16 units but one dot.
    FUZZ_CHECK(masked.size() == text.toUcs4().size() && printable(masked));
    FUZZ_CHECK(escapeMnemonic(text).count(QLatin1Char('&')) == 2 * text.count(QLatin1Char('&')));

    const QString entered = textBeforeZero(c);
    FUZZ_CHECK(!entered.contains(QChar(0)) && entered.size() <= c.size());
    FUZZ_CHECK(paddedFieldText(text, length).size() == qMax(0, length));

    FUZZ_CHECK(OtnTti::message(a, b, c).size() == OtnTti::messageLength);
    FUZZ_CHECK(OtnFtfl::half(a, b, c).size() == OtnFtfl::halfLength);
    FUZZ_CHECK(faultIndicationText(code).startsWith(QLatin1String("0x")));
    return 0;
}
