#include "tributaryscanbuilder.h"

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "parameterstore.h"
#include "reception.h"
#include "tributarylayout.h"

namespace {

constexpr int alarmCurrent = 1;
constexpr int firstLevelWords = 80;
constexpr int secondLevelWords = 2;

struct AlarmBit {
    int id;
    quint32 bit;
};

// The line's alarms (the receiver's status parameters) and their bits.
constexpr AlarmBit lineAlarmBits[] = {
    {PID::Otn::STATUS::OTU_AIS, TributaryScanBuilder::otuAis}, {PID::Otn::STATUS::LOS, TributaryScanBuilder::lof},
    {PID::Otn::STATUS::LOF, TributaryScanBuilder::lof},         {PID::Otn::STATUS::OOF, TributaryScanBuilder::oof},
    {PID::Otn::STATUS::LOM, TributaryScanBuilder::lom},         {PID::Otn::STATUS::OOM, TributaryScanBuilder::oom},
    {PID::Otn::STATUS::SM_BIAE, TributaryScanBuilder::smBiae},  {PID::Otn::STATUS::SM_BDI, TributaryScanBuilder::smBdi},
    {PID::Otn::STATUS::SM_IAE, TributaryScanBuilder::smIae},
};

// Bits that leave nothing to demultiplex below, and bits whose signal below is replaced by ODU-AIS.
constexpr quint32 frameLost = TributaryScanBuilder::lof | TributaryScanBuilder::oof | TributaryScanBuilder::lom
                              | TributaryScanBuilder::loflom;
constexpr quint32 signalReplaced = TributaryScanBuilder::otuAis | TributaryScanBuilder::oduAis
                                   | TributaryScanBuilder::oduOci | TributaryScanBuilder::oduLck;

bool current(const ParameterStore &store, int port, int id)
{
    return id != 0 && store.intValue(nsSID::otnSid(port, id)) == alarmCurrent;
}

// What a level carries is replaced by ODU-AIS when its receiver does not pass it on (a payload
// mismatch, a trace mismatch with its action), though no bit of the level's own word says so.
quint32 replacedBelow(const Reception &reception, int level)
{
    return reception.passesOn(level) ? 0 : TributaryScanBuilder::oduAis;
}

// What a tributary inherits from the word of the one that carries it.
quint32 inherited(quint32 above)
{
    if (above & frameLost)
        return TributaryScanBuilder::loflom;
    if (above & signalReplaced)
        return TributaryScanBuilder::oduAis;
    return 0;
}

// Words of the tributaries 1..count of a stage: what the receiver expects against what is sent.
void scanStage(const ParameterStore &store, int port, int stage, quint32 above, quint32 *words, int maxWords)
{
    const TributaryLayout rx(store, port, TributaryLayout::Rx, stage);
    if (!rx.exists())
        return;
    const TributaryLayout tx(store, port, TributaryLayout::Tx, stage);
    const int count = qMin(rx.tpCount(), maxWords);
    const bool sameMultiplex = tx.exists()
                               && tx.mapping().convertMultiplexes().value(stage)
                                      == rx.mapping().convertMultiplexes().value(stage);
    const int copy = store.intValue(nsSID::otnSid(port, PID::Otn::TX::TX_COPY[stage]));
    for (int c = 1; c <= count; ++c) {
        quint32 word = inherited(above);
        if (word == 0 && !sameMultiplex)
            word = TributaryScanBuilder::msim | TributaryScanBuilder::loflom;
        else if (word == 0 && copy == nsSettings::Otn::COPY_OFF && quint32(c) != tx.mainTp())
            word = TributaryScanBuilder::oduOci;
        words[c - 1] = word;
    }
}

} // namespace

quint32 TributaryScanBuilder::lineAlarms(const ParameterStore &store, int port)
{
    quint32 word = 0;
    for (const AlarmBit &alarm : lineAlarmBits) {
        if (current(store, port, alarm.id))
            word |= alarm.bit;
    }
    return word;
}

quint32 TributaryScanBuilder::oduAlarms(const ParameterStore &store, int port, int level)
{
    using namespace nsIID::Otn::Alarm;
    if (level < 0 || level >= OtnMapping::maxLevels)
        return 0;
    const AlarmBit bits[] = {
        {ODU_LOF_LOM[level], loflom}, {ODU_AIS[level], oduAis}, {ODU_OCI[level], oduOci},
        {ODU_LCK[level], oduLck},     {PM_BDI[level], pmBdi},   {MSIM[level], msim},
    };
    quint32 word = 0;
    for (const AlarmBit &alarm : bits) {
        if (current(store, port, alarm.id))
            word |= alarm.bit;
    }
    return word;
}

QVector<quint32> TributaryScanBuilder::words(const ParameterStore &store, int port,
                                             const TransmittedSignal::Insertion &insertion)
{
    QVector<quint32> result(wordCount, 0);
    const OtnMapping tx = TributaryLayout::mappingOf(store, port, TributaryLayout::Tx);
    const OtnMapping rx = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    const bool transmitting = store.intValue(nsSID::otnSid(port, PID::Otn::TX::PORT_MODE)) != 0;
    if (!transmitting)
        result[0] = lof;
    else if (tx[OtnMapping::FieldInterface] != rx[OtnMapping::FieldInterface])
        result[0] = lof | oof;
    result[0] |= lineAlarms(store, port) | oduAlarms(store, port, 0);

    // The receiver demultiplexes its main TP of each stage: the alarms it raises on the level below are
    // that tributary's.
    const Reception reception(store, port, insertion);
    quint32 *firstLevel = result.data() + 1;
    scanStage(store, port, 0, result.at(0) | replacedBelow(reception, 0), firstLevel, firstLevelWords);
    const int rxMainTp0 = rx.hasOdtu(0) ? int(TributaryLayout(store, port, TributaryLayout::Rx, 0).mainTp()) : 0;
    if (rxMainTp0 >= 1 && rxMainTp0 <= firstLevelWords)
        firstLevel[rxMainTp0 - 1] |= oduAlarms(store, port, 1);

    // Below the first level the receiver descends into the tributary the scan has chosen there.
    const int chosen = store.intValue(nsSID::otnSid(port, PID::Otn::SCAN::FIRST_MAIN_TP + 1));
    if (chosen < 1 || chosen > firstLevelWords)
        return result;
    quint32 *secondLevel = result.data() + 1 + firstLevelWords;
    const quint32 chosenReplaced = chosen == rxMainTp0 ? replacedBelow(reception, 1) : 0;
    scanStage(store, port, 1, result.at(chosen) | chosenReplaced, secondLevel, secondLevelWords);
    const int rxMainTp1 = rx.hasOdtu(1) ? int(TributaryLayout(store, port, TributaryLayout::Rx, 1).mainTp()) : 0;
    if (chosen == rxMainTp0 && rxMainTp1 >= 1 && rxMainTp1 <= secondLevelWords)
        secondLevel[rxMainTp1 - 1] |= oduAlarms(store, port, 2);
    return result;
}
