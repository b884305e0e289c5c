#pragma once

#include <QString>
#include <QVector>

#include "client/otn/otnexport.h"
#include "host/otn/otnmapping.h"

// What the overhead table of one multiplex level shows in each cell: the labels of the four label rows
// (rows 0, 2, 4, 6) and what each cell of the value rows below them (1, 3, 5, 7) edits. The OTU overhead
// exists on the line level only; an OTUCn lane signal (OTLC) carries OSMC on its first slice and neither
// TCMs, FTFL nor a payload type to choose on its second one.
class ZELOTN_EXPORT OtnOhTableLayout
{
public:
    static constexpr int rowCount = 8;
    static constexpr int columnCount = 16;
    static constexpr int tcmCount = 6;

    // The overhead a label belongs to; it decides the label's colour.
    enum class Area { Odu, Otu, FixedStuff, Opu };
    // Fields carrying a TTI and a third byte of status bits: SM, PM and TCM1-TCM6.
    enum Field { Sm = 0, Pm = 1, Tcm1 = 2, fieldCount = Tcm1 + tcmCount };
    enum class Cell {
        Disabled,   // shows "--"
        Byte,       // byte byteIndex of the byte-array parameter parameterId
        Tti,        // the field's TTI (a TCM below the line level: its TTI byte)
        ThirdByte,  // the field's third byte
        Ftfl,
        ApsByte1,
    };

    struct Label {
        int row = 0;
        int column = 0;
        int span = 1;
        QString text;
        Area area = Area::Odu;
        bool smallFont = false;
    };
    struct Value {
        Cell cell = Cell::Disabled;
        int parameterId = 0;
        int byteIndex = 0;
        int field = -1;
    };

    // The parameters of a field's TTI message (or of its TTI byte, on a TCM below the line level) and of its
    // third byte; 0 where the level has none.
    struct FieldIds {
        int sapi = 0;
        int dapi = 0;
        int operatorSpecific = 0;
        int thirdByte = 0;
        int ttiByte = 0;
    };

    OtnOhTableLayout(int level, const OtnMapping &mapping, int otlcSliceSelector);

    int level() const { return m_level; }
    const OtnMapping &mapping() const { return m_mapping; }
    bool isOtlc() const { return m_otlc; }
    // OTLC on its first slice: one OSMC and one RES byte where other signals have two RES bytes.
    bool isFirstOtlcSlice() const { return m_otlc && m_otlcSliceSelector == 0; }
    // OTLC on its second slice: no TCM, no FTFL, no PM TTI and no payload type choice.
    bool isSecondOtlcSlice() const { return m_otlc && m_otlcSliceSelector == 1; }
    bool hasField(int field) const;
    FieldIds fieldIds(int field) const;
    bool hasFtfl() const { return !m_otlc; }
    bool offersPsi() const { return !isSecondOtlcSlice(); }

    const QVector<Label> &labels() const { return m_labels; }
    // Disabled outside the table and on label rows.
    Value value(int row, int column) const;

private:
    void addLabel(int row, int column, int span, const QString &text, Area area, bool smallFont = false);
    void setBytes(int row, int firstColumn, int count, int parameterId, int firstByte = 0);
    void setField(int row, int column, int field);
    void buildFrameRow();
    void buildTcmRows();
    void buildLastRow();

    int m_level = 0;
    OtnMapping m_mapping;
    int m_otlcSliceSelector = 0;
    bool m_otlc = false;
    QVector<Label> m_labels;
    Value m_values[rowCount][columnCount];
};
