#pragma once

#include <QList>
#include <QStringList>

#include "host/hostexport.h"

// A page that can put itself in further states worth a picture (a scan running, another result type),
// for screenshot mode and test harnesses. The caller steps the page towards a state and lets the
// server's answers arrive between steps.
class ZELBASE_EXPORT SampleStates
{
public:
    virtual ~SampleStates();

    // The states' names; a picture of state i is named after the page and its name.
    virtual QStringList sampleStateNames() const = 0;
    // One step towards state index; true once the page shows it.
    virtual bool stepToSampleState(int index) = 0;
    // The pages (page ids) that show what state index does elsewhere, worth a picture in that state after
    // a few intervals (an alarm inserted, seen on a status page). None by default.
    virtual QList<int> sampleStatePages(int index) const;
    // The state, one of their own sample state names, those pages are pictured in (the level an alarm
    // is inserted on); empty for the state they open in, the default.
    virtual QString sampleStatePageState(int index) const;
};
