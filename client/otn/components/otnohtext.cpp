#include "otnohtext.h"

#include <QRegularExpression>

QString maskNonPrintable(const QString &text)
{
    static const QRegularExpression nonPrintable(QStringLiteral("[^ -~]"));
    QString masked = text;
    return masked.replace(nonPrintable, QStringLiteral("."));
}

QString bytesToPrintable(const QByteArray &bytes, int count)
{
    const int n = qBound(0, count, bytes.size());
    QString text;
    text.reserve(n);
    for (int i = 0; i < n; ++i) {
        const char byte = bytes.at(i);
        text += byte == '\0' ? QStringLiteral(".") : maskNonPrintable(QString(QChar::fromLatin1(byte)));
    }
    return text;
}

QString escapeMnemonic(const QString &text)
{
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString textBeforeZero(const QByteArray &bytes)
{
    const int zero = bytes.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? bytes : bytes.left(zero));
}

QByteArray paddedFieldText(const QString &text, int length)
{
    if (length <= 0)
        return {};
    return text.toLatin1().leftJustified(length, ' ', true);
}
