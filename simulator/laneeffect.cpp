#include "laneeffect.h"

#include <QBitArray>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "inserteditem.h"
#include "parameterstore.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
namespace Lane = nsIID::Otn::Lane;

enum Type { None, Alarm, Error };
enum AlarmItem { LaneLof, LaneOof, LaneRecovery };
enum ErrorItem { LaneFas, LaneMfas, LaneMarker };
enum LaneMode { LaneBurst, LaneAlternate, LaneContinuous };
// The most lanes a lane mask holds.
constexpr int maskBits = 32;

} // namespace

int LaneEffect::interfaceSignal(int port) const
{
    return TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx)[OtnMapping::FieldInterface];
}

int LaneEffect::logicalLanes(int port) const
{
    return OtnMapping::numOfLldLane(interfaceSignal(port));
}

InsertionEffect::Choice LaneEffect::choice(int port) const
{
    Choice c;
    c.type = value(port, Stimuli::LLD_TYPE);
    c.item = value(port, c.type == Alarm ? Stimuli::LLD_ALARM : Stimuli::LLD_ERROR);
    const int mode = value(port, Stimuli::LLD_INSERTION);
    c.mode = mode == LaneBurst ? Burst : mode == LaneAlternate ? Alternate : Continuous;
    c.burst = quint64(qMax(1, value(port, Stimuli::LLD_BURST)));
    c.alternateError = quint64(qMax(1, value(port, Stimuli::LLD_ALTERNATE_ERROR)));
    c.alternateNormal = quint64(qMax(1, value(port, Stimuli::LLD_ALTERNATE_NORMAL)));
    const QcmaParameter *lanes = m_store.value(nsSID::otnSid(port, Stimuli::LLD_ERROR_LANES));
    const QBitArray bits = lanes && lanes->isDefined() ? lanes->getBitArray() : QBitArray();
    for (int lane = 0; lane < bits.size() && lane < maskBits; ++lane) {
        if (bits.testBit(lane))
            c.lanes |= 1u << lane;
    }
    return c;
}

QString LaneEffect::refusal(int port, const Choice &choice) const
{
    if (logicalLanes(port) == 0)
        return QStringLiteral("lane item %1 is not offered: the interface has no logical lanes").arg(choice.item);
    if (choice.type != None && choice.lanes == 0)
        return QStringLiteral("lane item %1 is not offered on no lane").arg(choice.item);
    if (choice.type == Error && choice.item == LaneMarker && !Reception::carriesLaneMarker(interfaceSignal(port)))
        return QStringLiteral("lane item %1 is not offered: the lanes carry no logical lane marker").arg(choice.item);
    return QString();
}

double LaneEffect::framesPerSecond(int port, const Choice &choice) const
{
    Q_UNUSED(choice)
    const int lanes = logicalLanes(port);
    return lanes > 0 ? oduFramesPerSecond(m_store, port, 0) / lanes : 0.0;
}

TransmittedSignal::Insertion LaneEffect::alarm(const Choice &choice) const
{
    TransmittedSignal::Insertion insertion;
    if (choice.type != Alarm)
        return insertion;
    if (choice.item == LaneLof)
        insertion.what = InsertedItem::LaneLof;
    else if (choice.item == LaneOof)
        insertion.what = InsertedItem::LaneOof;
    else if (choice.item == LaneRecovery)
        insertion.what = InsertedItem::LaneRecovery;
    insertion.lanes = choice.lanes;
    return insertion;
}

QVector<InsertionEffect::Target> LaneEffect::targets(int port, const Choice &choice) const
{
    if (choice.type != Error)
        return {};
    QVector<int> ids;
    if (choice.item == LaneFas)
        ids = {Lane::LLD_FAS_ERROR, Lane::LLD_FAS_ERROR_COUNT};
    else if (choice.item == LaneMfas)
        ids = {Lane::LLD_MFAS_ERROR, Lane::LLD_MFAS_ERROR_COUNT};
    else if (choice.item == LaneMarker)
        ids = {Lane::LLM_ERROR, Lane::LLM_ERROR_COUNT};
    // Each errored lane frame errs the word of every chosen lane; the line's frames carry one of them each.
    QVector<Target> wanted;
    for (int id : qAsConst(ids)) {
        Target target;
        target.counterId = id;
        target.perFrameLimit = alignmentLimit;
        target.perInsertedFrame = qPopulationCount(choice.lanes);
        wanted.append(target);
    }
    return received(port, wanted);
}
