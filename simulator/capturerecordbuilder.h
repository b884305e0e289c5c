#pragma once

#include <QByteArray>

#include "host/otn/otnmapping.h"

class ParameterStore;

// The overhead capture records of a port, one per ODU level, as the receiver captures the port's own
// transmitted signal: built from the Tx overhead parameters and structure the way G.709 lays them out.
class CaptureRecordBuilder
{
public:
    // Byte offsets in a 1328-byte record.
    static constexpr int overheadOffset = 0;        // 4 x 16 overhead bytes, row-major
    static constexpr int smTtiOffset = 64;
    static constexpr int pmTtiOffset = 128;
    static constexpr int tcmTtiOffset = 192;        // TCM i at 192 + 64 x (i - 1)
    static constexpr int ftflOffset = 576;          // 256 bytes: forward, then backward half
    static constexpr int psiOffset = 832;           // 256 PSI bytes: PT, reserved, MSI...
    static constexpr int channelWordsOffset = 1088; // 80 x 16-bit little-endian: TP number, 0x100 = no TP
    static constexpr int mainTsOffset = 1248;       // 80 bytes: 0-based main TS of TP i, 0xFF = none
    static constexpr int noChannel = 0x100;

    CaptureRecordBuilder(const ParameterStore &store, int port);

    // The record of level 0-3; all zero for a level the structure does not have.
    QByteArray record(int level) const;

private:
    QByteArray bytes(int id, int length) const;
    int uintValue(int id) const;
    QByteArray tti(int sapiId, int dapiId, int osId) const;

    const ParameterStore &m_store;
    int m_port = 0;
    OtnMapping m_mapping;
};
