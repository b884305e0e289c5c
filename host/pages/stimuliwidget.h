#pragma once

#include "boundview.h"

class WidgetText;

// Base of the panels in the host's stimuli area: a bound view with the SID the panel answers to and
// its title text. A panel that inserts something names the switch that runs its insertion; the area
// offers Insert and Stop for it and says what runs.
class ZELBASE_EXPORT StimuliWidget : public BoundView
{
    Q_OBJECT
public:
    // The values of an insertion switch: the host writes On and Off; the server ends an insertion by
    // itself with Done (a single or burst insertion is over) or Stopped (it cannot go on; the value's
    // name says why).
    enum InsertionState { InsertionOff = 0, InsertionOn = 1, InsertionDone = 2, InsertionStopped = 3 };

    explicit StimuliWidget(int uiTextId, QWidget *parent = nullptr);
    // A panel of the port's parameters on the manager's server.
    StimuliWidget(zelServerManager *manager, int port, int uiTextId, QWidget *parent = nullptr);
    ~StimuliWidget() override;

    virtual void setId(int sid);
    int id() const { return m_id; }
    int uiTextId() const { return m_uiTextId; }
    // The panel's title from the given texts, in the panel's terminology.
    QString title(const WidgetText &texts) const;

    void ChangeTerminology(int terminology) override;
    virtual void setHierarchy(int hierarchy);
    int hierarchy() const { return m_hierarchy; }
    int terminology() const { return m_terminology; }

    // The SID of the switch that runs the panel's insertion; 0 when the panel inserts nothing.
    virtual int insertionSid() const;
    // What the panel inserts now, in a few words ("ODU-AIS on OTU2/ODU2, Continuous"); empty when it
    // cannot tell.
    virtual QString insertionText() const;

signals:
    // What insertionText() tells may have changed.
    void insertionChanged();

private:
    int m_id = 0;
    int m_uiTextId = 0;
    int m_hierarchy = 0;
    int m_terminology = 0;
};
