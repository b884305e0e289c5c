#pragma once

#include <QByteArray>

#include "host/otn/otnmapping.h"
#include "reception.h"
#include "transmittedsignal.h"

class ParameterStore;

// The overhead capture records of a port, one per ODU level, as the receiver captures the port's own
// transmitted signal: built from the overhead as it is sent (the Tx overhead parameters with what the
// generator inserts) and the Tx structure, the way G.709 lays them out
// (record layout: IntervalDataOtnCapture). A level the receiver does not decode (no light, another
// interface expected, a frame lost in its tributary or above, a level it does not expect) is all zero; a
// level it receives replaced by ODU-AIS is all-ones behind its frame alignment.
class CaptureRecordBuilder
{
public:
    // seconds: how long the receiver has measured the structure, which decides the multiframe whose
    // justification control a GMP level shows; insertion: what the port's generator inserts.
    CaptureRecordBuilder(const ParameterStore &store, int port, int seconds = 0,
                         const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());

    // The record of level 0-3; all zero for a level the structure does not have.
    QByteArray record(int level) const;

private:
    QByteArray bytes(int id, int length) const;
    int uintValue(int id) const;
    QByteArray tti(int sapiId, int dapiId, int osId) const;

    const ParameterStore &m_store;
    int m_port = 0;
    int m_seconds = 0;
    OtnMapping m_mapping;
    TransmittedSignal m_sent;
    Reception m_reception;
};
