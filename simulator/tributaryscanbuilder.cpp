#include "tributaryscanbuilder.h"

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "parameterstore.h"
#include "simulatorids.h"
#include "tributarylayout.h"

namespace {

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
        quint32 word = 0;
        if (above != 0)
            word = TributaryScanBuilder::loflom;
        else if (!sameMultiplex)
            word = TributaryScanBuilder::msim | TributaryScanBuilder::loflom;
        else if (copy == nsSettings::Otn::COPY_OFF && quint32(c) != tx.mainTp())
            word = TributaryScanBuilder::oduOci;
        words[c - 1] = word;
    }
}

} // namespace

QVector<quint32> TributaryScanBuilder::words(const ParameterStore &store, int port)
{
    QVector<quint32> result(wordCount, 0);
    const OtnMapping tx = TributaryLayout::mappingOf(store, port, TributaryLayout::Tx);
    const OtnMapping rx = TributaryLayout::mappingOf(store, port, TributaryLayout::Rx);
    const bool transmitting = store.intValue(nsSID::otnSid(port, PID::Otn::TX::PORT_MODE)) != 0;
    if (!transmitting)
        result[0] = lof;
    else if (tx[OtnMapping::FieldInterface] != rx[OtnMapping::FieldInterface])
        result[0] = lof | oof;

    scanStage(store, port, 0, result.at(0), result.data() + 1, 80);
    // Below the first level the receiver descends into the tributary the scan has chosen there.
    const int chosen = store.intValue(nsSID::otnSid(port, PID::Otn::SCAN::FIRST_MAIN_TP + 1));
    if (chosen >= 1 && chosen <= 80)
        scanStage(store, port, 1, result.at(chosen), result.data() + 81, 2);
    return result;
}
