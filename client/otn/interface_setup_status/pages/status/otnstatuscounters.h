#pragma once

#include <QVector>

#include "client/otn/otnexport.h"
#include "host/otn/otniid.h"

class OtnMapping;

// The alarms and error counters the receiver reports on each ODU level, in the order the alarms and
// errors page lists them, and which of them a received structure has: payload counters only on the
// innermost level and only for their mapping, OTUCn lane counters only on OTUCn lane interfaces.
class ZELOTN_EXPORT OtnStatusCounters
{
public:
    struct Entry {
        int id = 0;
        bool shown = true;
    };
    enum Kind { Alarms = 0, Errors = 1 };
    static constexpr int oduLevels = 4;

    // The multi-lane level's alarms and errors, and its summary: the same for every structure.
    static const QVector<int> &laneAlarms();
    static const QVector<int> &laneErrors();
    static constexpr int laneSummaryId = nsIID::Otn::Lane::SUMMARY;

    // Every entry shown, until the first applyVisibility.
    OtnStatusCounters();

    // Rewrites which entries are shown, for the levels of the received structure.
    void applyVisibility(const OtnMapping &mapping);

    // Entries of an ODU level (0-3); none for another level.
    const QVector<Entry> &entries(Kind kind, int level) const;
    QVector<int> shownIds(Kind kind, int level) const;

private:
    QVector<Entry> m_lists[2][oduLevels];
};
