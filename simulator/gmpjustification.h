#pragma once

#include <QByteArray>

class ParameterStore;

// The Cm and CnD a GMP mapper sends for one payload (a lower-order ODU in its tributary slots, or a client
// in its OPU), multiframe by multiframe as G.709 Annex D has them: Cm(t) whole M-byte words, the sequence
// whose mean is the payload's cm, and CnD(t) the bytes beyond the whole words sent so far; and the
// justification control bytes JC1-JC6 that carry them.
class GmpJustification
{
public:
    // What the Cm of multiframes [first, end) did: the steps of +1 and -1, its lowest and highest value.
    struct Steps {
        quint64 increments = 0;
        quint64 decrements = 0;
        int lowest = 0;
        int highest = 0;
    };

    GmpJustification(double cm, int wordBytes, double multiframesPerSecond);
    // The GMP payload of ODU level k of the port's received structure, with the frequency offsets the port
    // sets; invalid when the level maps nothing by GMP.
    static GmpJustification ofLevel(const ParameterStore &store, int port, int level);

    bool isValid() const { return m_wordBytes > 0; }
    double cm() const { return m_base + m_fraction; }
    double multiframesPerSecond() const { return m_multiframesPerSecond; }
    // Multiframes sent in the first seconds of a measurement.
    qint64 multiframesBy(int seconds) const;
    int cmAt(qint64 multiframe) const;
    int cndAt(qint64 multiframe) const;
    Steps steps(qint64 first, qint64 end) const;
    // JC1-JC6 of the latest multiframe before end whose Cm did not change (II = DI = 0).
    QByteArray jcBytes(qint64 end) const;

private:
    qint64 ceilingsBefore(qint64 multiframe) const;

    int m_base = 0;
    double m_fraction = 0;
    int m_wordBytes = 0;
    double m_multiframesPerSecond = 0;
};
