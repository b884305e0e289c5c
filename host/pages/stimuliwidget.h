#pragma once

#include "boundview.h"

class WidgetText;

// Base of the panels in the host's stimuli area: a bound view with the SID the panel answers to and
// its title text.
class ZELBASE_EXPORT StimuliWidget : public BoundView
{
    Q_OBJECT
public:
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

private:
    int m_id = 0;
    int m_uiTextId = 0;
    int m_hierarchy = 0;
    int m_terminology = 0;
};
