#include "serverlink.h"

ServerLink::~ServerLink() = default;

void ServerLink::setState(State state, const QString &reason)
{
    const QString kept = state == State::Lost ? reason : QString();
    if (state == m_state && kept == m_stateReason)
        return;
    m_state = state;
    m_stateReason = kept;
    emit stateChanged(m_state, m_stateReason);
}
