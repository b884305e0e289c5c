// What a peer sends over the link: frames cut from any byte stream, delivered in two pieces as a socket
// may deliver it, and every message they hold read as the link and the daemon read it: taken whole or
// refused with a reason.
#include "fuzzinput.h"

#include <memory>
#include <vector>

#include "host/catalogue/parametercatalogue.h"
#include "host/link/framecodec.h"
#include "host/link/linkmessage.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"

namespace {
bool readMessage(const QCborMap &message)
{
    QString error;
    if (LinkMessage::check(message, &error) == LinkMessage::Type::Unknown)
        FUZZ_CHECK(!error.isEmpty());

    std::vector<std::unique_ptr<QcmaParameter>> parameters;
    QString reason;
    if (!LinkMessage::readParameters(message, &parameters, &reason))
        FUZZ_CHECK(!reason.isEmpty());
    for (const std::unique_ptr<QcmaParameter> &parameter : parameters) {
        // A value read in is sent out again as one the other side reads.
        QString again;
        FUZZ_CHECK(LinkMessage::decodeParameter(LinkMessage::encodeParameter(*parameter), &again));
    }

    QList<QSharedPointer<IntervalData>> blocks;
    reason.clear();
    if (!LinkMessage::readIntervalData(message, &blocks, &reason))
        FUZZ_CHECK(!reason.isEmpty());

    ParameterCatalogue catalogue;
    reason.clear();
    if (!LinkMessage::readCatalogue(message, &catalogue, &reason))
        FUZZ_CHECK(!reason.isEmpty());
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const int cut = size ? int(data[0] % (size + 1)) : 0;
    FrameCodec codec;
    const bool readable = codec.read(bytes.left(cut), readMessage) && codec.read(bytes.mid(cut), readMessage);
    FUZZ_CHECK(readable || !codec.error().isEmpty());
    return 0;
}
