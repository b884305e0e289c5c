// One overhead capture record as the capture page shows it: the overhead table, the TTI and FTFL views and
// the TP/TS maps of the level, whatever the record's size and contents and the structure it is read in.
#include "fuzzinput.h"

#include "client/otn/components/otncapturerecord.h"
#include "client/otn/components/otnftfllayout.h"
#include "client/otn/interface_setup_status/dialogs/otncaptureftflwidget.h"
#include "client/otn/interface_setup_status/dialogs/otncapturetptsdialog.h"
#include "client/otn/interface_setup_status/dialogs/otncapturettidialog.h"
#include "client/otn/interface_setup_status/pages/status/otncaptureohwidget.h"
#include "host/otn/otnmapping.h"
#include "host/parameters/intervaldata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureFuzzApplication();
    FuzzInput in(data, size);
    OtnMapping mapping;
    for (int field = 0; field < 5; ++field)
        mapping.setValue(field, qint8(in.byte()));
    const int level = qint8(in.byte()) % 5;
    const int encoding = in.byte() & 1;
    const quint32 channelNumber = in.byte();
    const QByteArray record = in.rest();

    static OtnCaptureOhWidget overhead(nullptr, nullptr);
    overhead.setLevel(level, mapping, encoding);
    overhead.setTtiEncoding(encoding);
    const QByteArray bytes = OtnCaptureRecord::overhead(record);
    FUZZ_CHECK(bytes.size() == IntervalDataOtnCapture::overheadLength);
    overhead.showOverhead(bytes, OtnCaptureRecord::payloadType(record));
    overhead.setCaptureRecord(record);

    static OtnCaptureTtiDialog tti(nullptr, true);
    static OtnCaptureTtiDialog rawTti(nullptr, false);
    for (int item = -1; item <= OtnCaptureRecord::itemCount; ++item) {
        const QByteArray message = OtnCaptureRecord::itemBytes(record, item);
        FUZZ_CHECK(message.size() == OtnCaptureRecord::itemField(item).length);
        if (OtnCaptureRecord::isTtiItem(item)) {
            tti.setTti(message);
            rawTti.setTti(message);
        }
    }
    static OtnCaptureFtflWidget ftfl;
    const QByteArray ftflBytes = OtnCaptureRecord::itemBytes(record, OtnCaptureRecord::Ftfl);
    ftfl.setFtflHalf(ftflBytes.mid(OtnFtfl::forwardStart, OtnFtfl::halfLength));
    ftfl.setFtflHalf(ftflBytes.mid(OtnFtfl::backwardStart));

    static OtnCaptureTpTsDialog tpTs;
    if (mapping.hasOdtu(level)) {
        tpTs.setRxMapSize(level, mapping);
        tpTs.setRxCapture(level, mapping, channelNumber, OtnCaptureRecord::channelWords(record),
                          OtnCaptureRecord::mainTsBytes(record));
        const QByteArray mainTs = OtnCaptureRecord::mainTsBytes(record);
        int firstTs[IntervalDataOtnCapture::tsCount];
        for (int tp = 0; tp < IntervalDataOtnCapture::tsCount; ++tp)
            firstTs[tp] = quint8(mainTs.at(tp));
        tpTs.setTxMap(level, mapping, encoding, channelNumber, firstTs, channelNumber);
    }
    return 0;
}
