#pragma once

#include "host/bindings/statusjudge.h"
#include "host/contract/statusitem.h"

// The LED state of a navigation status item, by the item's status type.
class StatusTypeJudge : public StatusJudge
{
public:
    // Below this received level (dBm) the receiver has no usable signal.
    static constexpr double minimumLevel = -30.0;

    explicit StatusTypeJudge(StatusItem::StatusType type) : m_type(type) {}

    State judge(const QcmaParameter &parameter) const override;

private:
    StatusItem::StatusType m_type;
};
