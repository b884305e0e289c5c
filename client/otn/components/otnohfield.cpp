#include "otnohfield.h"

QByteArray fieldBytes(const QByteArray &message, OtnOhField field)
{
    if (field.start < 0 || field.length <= 0)
        return {};
    return message.mid(field.start, field.length).leftJustified(field.length, '\0', true);
}

void setFieldBytes(QByteArray &message, OtnOhField field, const QByteArray &bytes)
{
    if (field.start < 0 || field.length <= 0)
        return;
    const int end = field.start + field.length;
    if (message.size() < end)
        message = message.leftJustified(end, '\0');
    message.replace(field.start, field.length, bytes.leftJustified(field.length, '\0', true));
}
