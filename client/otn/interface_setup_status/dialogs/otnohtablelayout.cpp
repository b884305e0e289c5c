#include "otnohtablelayout.h"

#include "host/otn/otnpid.h"

namespace {

using namespace PID::Otn::TX;

// The OTL4.10 lane: its sixth FAS byte carries the logical lane marker.
constexpr int otl410Lane = 11;

constexpr int fasBytes = 6;
constexpr int opuColumn = 14;

// Where each TCM sits: its value row and first column (TTI, BIP-8, third byte), TCM1 first.
constexpr struct {
    int row;
    int column;
} tcmCells[OtnOhTableLayout::tcmCount] = {{5, 6}, {5, 3}, {5, 0}, {3, 10}, {3, 7}, {3, 4}};

} // namespace

OtnOhTableLayout::OtnOhTableLayout(int level, const OtnMapping &mapping, int otlcSliceSelector)
    : m_level(qBound(0, level, OtnMapping::maxLevels - 1)),
      m_mapping(mapping),
      m_otlcSliceSelector(otlcSliceSelector),
      m_otlc(mapping.isOTLC())
{
    buildFrameRow();
    buildTcmRows();
    buildLastRow();
    // The OPU overhead columns: no labels but PSI, nothing to edit but PSI[0].
    for (int row = 0; row < rowCount; row += 2) {
        for (int column = opuColumn; column < columnCount; ++column) {
            const bool psi = row == 6 && column == opuColumn;
            addLabel(row, column, 1, psi ? QStringLiteral("PSI") : QString(), Area::Opu);
        }
    }
}

bool OtnOhTableLayout::hasField(int field) const
{
    if (field == Sm)
        return m_level == 0;
    if (field >= Tcm1 && field < fieldCount)
        return !isSecondOtlcSlice();
    return field == Pm;
}

OtnOhTableLayout::FieldIds OtnOhTableLayout::fieldIds(int field) const
{
    FieldIds ids;
    if (field == Sm) {
        ids = {OTU_SM_TTI_SAPI, OTU_SM_TTI_DAPI, OTU_SM_TTI_OS, OTU_SM_BITS, 0};
    } else if (field == Pm) {
        ids = {ODU_PM_TTI_SAPI[m_level], ODU_PM_TTI_DAPI[m_level], ODU_PM_TTI_OS[m_level], ODU_PM_BITS[m_level], 0};
    } else if (field >= Tcm1 && field < fieldCount) {
        const int tcm = field - Tcm1;
        ids.thirdByte = ODU_TCM_BITS[m_level][tcm];
        if (m_level == 0) {
            ids.sapi = ODU_TCM_TTI_SAPI[tcm];
            ids.dapi = ODU_TCM_TTI_DAPI[tcm];
            ids.operatorSpecific = ODU_TCM_TTI_OS[tcm];
        } else {
            ids.ttiByte = ODU_TCM_TTI_OH[m_level][tcm];
        }
    }
    return ids;
}

OtnOhTableLayout::Value OtnOhTableLayout::value(int row, int column) const
{
    if (row < 0 || row >= rowCount || column < 0 || column >= columnCount)
        return {};
    return m_values[row][column];
}

void OtnOhTableLayout::addLabel(int row, int column, int span, const QString &text, Area area, bool smallFont)
{
    m_labels.append(Label{row, column, span, text, area, smallFont});
}

void OtnOhTableLayout::setBytes(int row, int firstColumn, int count, int parameterId, int firstByte)
{
    for (int i = 0; i < count; ++i)
        m_values[row][firstColumn + i] = Value{Cell::Byte, parameterId, firstByte + i, -1};
}

void OtnOhTableLayout::setField(int row, int column, int field)
{
    m_values[row][column] = Value{Cell::Tti, 0, 0, field};
    m_values[row][column + 2] = Value{Cell::ThirdByte, 0, 0, field};
}

void OtnOhTableLayout::buildFrameRow()
{
    addLabel(0, 0, 6, QStringLiteral("FAS"), Area::Odu);
    addLabel(0, 6, 1, QStringLiteral("MFAS"), Area::Odu, true);
    const bool laneMarker = m_level == 0 && (m_mapping[OtnMapping::FieldInterface] == otl410Lane || m_otlc);
    setBytes(1, 0, laneMarker ? fasBytes - 1 : fasBytes, ODU_FAS[m_level]);
    if (m_level != 0) {
        addLabel(0, 7, 7, QStringLiteral("Fixed Stuff"), Area::FixedStuff);
        return;
    }
    addLabel(0, 7, 3, QStringLiteral("SM"), Area::Otu);
    setField(1, 7, Sm);
    if (isSecondOtlcSlice())
        m_values[1][7] = {};
    addLabel(0, 10, 2, QStringLiteral("GCC0"), Area::Otu);
    setBytes(1, 10, 2, OTU_GCC0);
    if (isFirstOtlcSlice()) {
        addLabel(0, 12, 1, QStringLiteral("OSMC"), Area::Otu, true);
        addLabel(0, 13, 1, QStringLiteral("RES"), Area::Otu);
        setBytes(1, 12, 1, OTU_OSMC);
        setBytes(1, 13, 1, OTU_RES);
    } else {
        addLabel(0, 12, 2, QStringLiteral("RES"), Area::Otu);
        setBytes(1, 12, 2, OTU_RES);
    }
}

void OtnOhTableLayout::buildTcmRows()
{
    setBytes(3, 0, 2, ODU_RES1[m_level]);
    if (isSecondOtlcSlice()) {
        addLabel(2, 0, 14, QStringLiteral("RES"), Area::Odu);
        addLabel(4, 0, 9, QStringLiteral("RES"), Area::Odu);
    } else {
        addLabel(2, 0, 2, QStringLiteral("RES"), Area::Odu);
        addLabel(2, 2, 1, QStringLiteral("P&T"), Area::Odu);
        addLabel(2, 3, 1, QStringLiteral("T/A"), Area::Odu);
        for (int tcm = tcmCount; tcm >= 1; --tcm) {
            const auto &at = tcmCells[tcm - 1];
            addLabel(at.row - 1, at.column, 3, QStringLiteral("TCM%1").arg(tcm), Area::Odu);
            setField(at.row, at.column, Tcm1 + tcm - 1);
        }
        addLabel(2, 13, 1, m_otlc ? QStringLiteral("RES") : QStringLiteral("FTFL"), Area::Odu);
        if (!m_otlc)
            m_values[3][13] = Value{Cell::Ftfl, 0, 0, -1};
    }
    addLabel(4, 9, 3, QStringLiteral("PM"), Area::Odu);
    setField(5, 9, Pm);
    if (isSecondOtlcSlice())
        m_values[5][9] = {};
    addLabel(4, 12, 2, QStringLiteral("EXP"), Area::Odu);
    setBytes(5, 12, 2, ODU_EXP[m_level]);
}

void OtnOhTableLayout::buildLastRow()
{
    addLabel(6, 0, 2, QStringLiteral("GCC1"), Area::Odu);
    setBytes(7, 0, 2, ODU_GCC1[m_level]);
    addLabel(6, 2, 2, QStringLiteral("GCC2"), Area::Odu);
    setBytes(7, 2, 2, ODU_GCC2[m_level]);
    addLabel(6, 4, 4, QStringLiteral("APS/PCC"), Area::Odu);
    m_values[7][4] = Value{Cell::ApsByte1, 0, 0, -1};
    setBytes(7, 5, 3, ODU_APS_SB[m_level]);
    addLabel(6, 8, 6, QStringLiteral("RES"), Area::Odu);
    setBytes(7, 8, 6, ODU_RES2[m_level]);
    // The PSI byte stays editable on the grid where no payload type is offered to choose from.
    setBytes(7, opuColumn, 1, OPU_PAYLOAD_TYPE[m_level]);
}
