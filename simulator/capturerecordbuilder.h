#pragma once

#include <QByteArray>

#include "host/otn/otnmapping.h"

class ParameterStore;

// The overhead capture records of a port, one per ODU level, as the receiver captures the port's own
// transmitted signal: built from the Tx overhead parameters and structure the way G.709 lays them out
// (record layout: IntervalDataOtnCapture). A receiver that cannot frame the line (no light, another
// interface expected) captures nothing: every record is all zero.
class CaptureRecordBuilder
{
public:
    CaptureRecordBuilder(const ParameterStore &store, int port);

    // The record of level 0-3; all zero for a level the structure does not have.
    QByteArray record(int level) const;

private:
    QByteArray bytes(int id, int length) const;
    int uintValue(int id) const;
    bool replacedByAis(int level) const;
    QByteArray tti(int sapiId, int dapiId, int osId) const;

    const ParameterStore &m_store;
    int m_port = 0;
    OtnMapping m_mapping;
    bool m_framed = false;
};
