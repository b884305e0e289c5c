#include "inserteditem.h"

#include <QHash>
#include <QRegularExpression>
#include <QString>

#include "host/otn/otnalarmerror.h"

InsertedItem::InsertedItem(int item)
{
    static const QHash<QString, What> named = {
        {QStringLiteral("LOS"), Los},
        {QStringLiteral("LOF"), Lof},
        {QStringLiteral("OOF"), Oof},
        {QStringLiteral("LOM"), Lom},
        {QStringLiteral("OOM"), Oom},
        {QStringLiteral("OTU-AIS"), OtuAis},
        {QStringLiteral("LOL"), Lol},
        {QStringLiteral("SM-BDI"), SmBdi},
        {QStringLiteral("SM-IAE"), SmIae},
        {QStringLiteral("SM-BIAE"), SmBiae},
        {QStringLiteral("SM-TIM"), SmTim},
        {QStringLiteral("ODU-AIS"), OduAis},
        {QStringLiteral("ODU-OCI"), OduOci},
        {QStringLiteral("ODU-LCK"), OduLck},
        {QStringLiteral("PM-BDI"), PmBdi},
        {QStringLiteral("PM-TIM"), PmTim},
        {QStringLiteral("PLM"), Plm},
        {QStringLiteral("LOFLOM"), Loflom},
        {QStringLiteral("LOOMFI"), Loomfi},
        {QStringLiteral("MSIM"), Msim},
        {QStringLiteral("OPU-CSF"), OpuCsf},
        {QStringLiteral("FAS"), Fas},
        {QStringLiteral("MFAS"), Mfas},
        {QStringLiteral("SM-BIP8"), SmBip8},
        {QStringLiteral("SM-BEI"), SmBei},
        {QStringLiteral("PM-BIP8"), PmBip8},
        {QStringLiteral("PM-BEI"), PmBei},
        {QStringLiteral("Line Bit"), LineBit},
        {QStringLiteral("Pattern Bit"), PatternBit},
        {QStringLiteral("Client B1"), ClientB1},
        {QStringLiteral("Client Block"), ClientBlock},
    };
    static const QHash<QString, What> tcmNamed = {
        {QStringLiteral("BDI"), TcmBdi},   {QStringLiteral("IAE"), TcmIae},   {QStringLiteral("BIAE"), TcmBiae},
        {QStringLiteral("LTC"), TcmLtc},   {QStringLiteral("BIP8"), TcmBip8}, {QStringLiteral("BEI"), TcmBei},
    };
    static const QRegularExpression tcmItem(QStringLiteral("^TCM([1-6])-(\\w+)$"));

    const QString name = OtnAlarmError::itemName(item);
    const QRegularExpressionMatch tcm = tcmItem.match(name);
    if (tcm.hasMatch()) {
        m_what = tcmNamed.value(tcm.captured(2), Nothing);
        m_tcm = tcm.captured(1).toInt() - 1;
    } else {
        m_what = named.value(name, Nothing);
    }
}
