#pragma once

#include <QString>
#include <QVector>

#include "reception.h"
#include "transmittedsignal.h"

class ParameterStore;

// What one category of the port's insertion does to the signal the transmitter sends: which of its stimuli
// parameters choose what and how, whether the structure offers the choice, the layer whose frames carry it,
// the alarm it sends and the receiver's counters its errors reach. The Generator runs the frames.
class InsertionEffect
{
public:
    enum Mode { Single, Burst, Alternate, Continuous, Rate };

    struct Choice {
        int category = 0;
        // A category's kind of item (lanes: none, alarm, error) and the item.
        int type = 0;
        int item = 0;
        int level = 0;
        int mode = Continuous;
        quint64 burst = 1;
        quint64 alternateError = 1;
        quint64 alternateNormal = 1;
        // Errors per bit at a rate.
        double ratio = 0;
        // Errored units of one inserted frame (bits of a word, sub-rows of each row), and a category's flag.
        int units = 1;
        bool flag = false;
        // Logical lanes (bit j: lane j).
        quint32 lanes = 0;

        bool operator==(const Choice &other) const;
        bool operator!=(const Choice &other) const { return !(*this == other); }
    };

    // A counter that sees the inserted errors: its id, the level whose frames it counts in, the most
    // errors one of its frames can take, the errors each inserted frame brings it, and the bits of one of
    // its frames an error at a rate can land on.
    struct Target {
        int counterId = 0;
        int level = 0;
        double perFrameLimit = 0;
        double perInsertedFrame = 1;
        double exposedBits = Reception::oduFrameBits;
    };

    explicit InsertionEffect(const ParameterStore &store) : m_store(store) {}
    virtual ~InsertionEffect();
    InsertionEffect(const InsertionEffect &) = delete;
    InsertionEffect &operator=(const InsertionEffect &) = delete;

    // The choice the port's stimuli parameters make now.
    virtual Choice choice(int port) const = 0;
    // Why the port's structure does not offer the choice (empty when it does).
    virtual QString refusal(int port, const Choice &choice) const = 0;
    // Frames per second of the layer that carries the choice.
    virtual double framesPerSecond(int port, const Choice &choice) const = 0;
    // The alarm the choice sends (nothing for an error); the Generator gives it its run of frames.
    virtual TransmittedSignal::Insertion alarm(const Choice &choice) const;
    // The counters the choice's errors reach, as the port's receiver runs them.
    virtual QVector<Target> targets(int port, const Choice &choice) const = 0;

    // Frames per second of ODU level k as the port's transmitter sends it.
    static double oduFramesPerSecond(const ParameterStore &store, int port, int level);

protected:
    int value(int port, int id) const;
    // The wanted counters the port's receiver runs, each with the level whose frames it counts in.
    QVector<Target> received(int port, const QVector<Target> &wanted) const;
    // The counters an errored bit of the payload reaches when no FEC decoder takes it away: every BIP-8
    // over it and the test pattern.
    static QVector<Target> payloadBitTargets(double perInsertedFrame);

    // The most errors one frame brings a counter: a BIP-8 or BEI 8, an alignment word is errored or not,
    // the bits of a frame are what a bit counter can see.
    static constexpr double bip8Limit = 8;
    static constexpr double alignmentLimit = 1;
    static constexpr double bitLimit = Reception::oduFrameBits;

    const ParameterStore &m_store;
};
