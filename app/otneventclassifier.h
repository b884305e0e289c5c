#pragma once

#include <QHash>

#include "host/server/eventclassifier.h"

// The OTN alarms and error counters the event log follows, by level: the line (OTU), each ODU level of
// the structure, the tandem connections, the client (with GFP) and the logical lanes. Summaries are left
// out: they repeat what their alarms say.
class OtnEventClassifier : public EventClassifier
{
public:
    enum Level { LevelLine, LevelOdu1, LevelOdu2, LevelOdu3, LevelOdu4, LevelTcm, LevelClient, LevelLanes, LevelCount };

    OtnEventClassifier();

    int group() const override;
    Status classify(int id) const override;
    QList<int> alarmIds() const override;
    bool raised(int value) const override;
    int levelCount() const override { return LevelCount; }
    QString levelName(int level) const override;

private:
    void add(Kind kind, int level, int id);

    QHash<int, Status> m_statuses;
};
