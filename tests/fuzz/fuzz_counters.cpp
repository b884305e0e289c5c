// The result table given any rows and any interval's counter values.
#include "fuzzinput.h"

#include <cstring>

#include "host/pages/statisticstable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureFuzzApplication();
    FuzzInput in(data, size);
    static StatisticsTable table;
    table.setCounterScope(in.integer(), qint8(in.byte()));

    QVector<nsStatistics::TableItem> items(in.byte() % 40);
    for (nsStatistics::TableItem &item : items) {
        item.section = qint8(in.byte());
        item.counterId = qint16(in.word() & 0xFFFF);
        item.kind = in.byte() % 24;
        for (int &text : item.textIds)
            text = qint16(in.word() & 0xFFFF);
        item.columns = qint8(in.byte());
        const quint8 flags = in.byte();
        item.flagA = flags & 1;
        item.flagB = flags & 2;
        item.shown = !(flags & 4);
        item.pairCounterId = qint16(in.word() & 0xFFFF);
    }
    table.setTableItems(items);

    StatisticsTable::Values values;
    while (!in.atEnd()) {
        IntervalDataCounters::Value value;
        const int id = qint16(in.word() & 0xFFFF);
        const quint64 countHigh = in.word();
        value.count = countHigh << 32 | in.word();
        const quint64 rateHigh = in.word();
        const quint64 rateBits = rateHigh << 32 | in.word();
        std::memcpy(&value.rate, &rateBits, sizeof value.rate);
        value.text = QString::fromUtf8(in.bytes());
        values.insert(id, value);
    }
    table.showValues(values);
    for (int row = 0; row < table.rowCount(); ++row)
        FUZZ_CHECK(table.rowTexts(row).size() <= StatisticsTable::columns);
    table.clearValues();
    return 0;
}
