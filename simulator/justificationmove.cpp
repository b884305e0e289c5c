#include "justificationmove.h"

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "parameterstore.h"
#include "resultcounters.h"
#include "simulatorlogging.h"
#include "tributarylayout.h"

namespace {

namespace Stimuli = PID::Otn::STIMULI;
constexpr int negativeMovement = 1;

} // namespace

void JustificationMove::beginSecond(int port)
{
    const int apply = nsSID::otnSid(port, Stimuli::JUSTIFICATION_APPLY);
    if (m_store.intValue(apply) == 0)
        return;
    m_store.setValue(apply, 0);
    const int level = m_store.intValue(nsSID::otnSid(port, Stimuli::JUSTIFICATION_LEVEL));
    const OtnMapping tx = TributaryLayout::mappingOf(m_store, port, TributaryLayout::Tx);
    if (!tx.isAmp(level) && !tx.isGmp(level)) {
        qCInfo(lcSimLink).noquote()
            << QStringLiteral("justification of port %1 not applied: level %2 maps its payload by neither AMP nor GMP")
                   .arg(port)
                   .arg(level);
        return;
    }
    const bool positive = m_store.intValue(nsSID::otnSid(port, Stimuli::JUSTIFICATION_MOVE)) != negativeMovement;
    const quint64 burst = quint64(qMax(1, m_store.intValue(nsSID::otnSid(port, Stimuli::JUSTIFICATION_BURST))));
    m_counters.insertMoves(port, level, positive, burst);
}
