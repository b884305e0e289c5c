// The expected MSI of a stage as the MSIM detection dialog lays it out, for any structure and stage.
#include "fuzzinput.h"

#include "client/otn/test_setup/otnmsitable.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otntpts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    OtnMapping mapping;
    for (int field = 0; field < 5; ++field)
        mapping.setValue(field, qint8(in.byte()));
    const int stage = qint8(in.byte());
    const quint32 flexTs = in.byte();
    const QByteArray msi = in.rest();

    const TpTsInfo info = OtnTpTs::getTpTsInfo(stage, mapping, flexTs);
    FUZZ_CHECK(info.tsCount <= quint32(OtnTpTs::maxTs));
    const int rows = OtnMsiTable::rowCount(int(info.tsCount));
    FUZZ_CHECK(rows * OtnMsiTable::columns >= int(info.tsCount));
    for (int row = 0; row < rows; ++row) {
        OtnMsiTable::rowName(row);
        for (int column = 0; column < OtnMsiTable::columns; ++column) {
            const int index = row * OtnMsiTable::columns + column;
            const QString text = OtnMsiTable::cellText(msi, index);
            FUZZ_CHECK(text.size() == 2 || (index >= msi.size() && text == QLatin1String("--")));
        }
    }
    int channels[OtnTpTs::maxTs];
    int mainTs[OtnTpTs::maxTs] = {};
    OtnTpTs::copyTs(mainTs, msi, qMin(msi.size(), int(OtnTpTs::maxTs)));
    OtnTpTs::assignCh(stage, mapping, flexTs & 1, flexTs, mainTs, flexTs, channels);
    for (int channel : channels)
        FUZZ_CHECK(channel >= -1 && channel < OtnTpTs::maxTs);
    return 0;
}
