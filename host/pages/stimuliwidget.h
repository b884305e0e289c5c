#pragma once

#include <memory>

#include <QWidget>

#include "host/hostexport.h"

class UiHelperList;
class WidgetText;

// Base of the panels in the host's stimuli area: the SID the panel answers to, its title text and
// its binding list.
class ZELBASE_EXPORT StimuliWidget : public QWidget
{
    Q_OBJECT
public:
    explicit StimuliWidget(int uiTextId, QWidget *parent = nullptr);
    ~StimuliWidget() override;

    virtual void setId(int sid);
    int id() const { return m_id; }
    int uiTextId() const { return m_uiTextId; }
    // The panel's title from the given texts, in the panel's terminology.
    QString title(const WidgetText &texts) const;

    virtual void UpdateText();
    virtual void ChangeTerminology(int terminology);
    virtual void SetGUIAccessState(int state);
    virtual void setHierarchy(int hierarchy);
    int hierarchy() const { return m_hierarchy; }
    int terminology() const { return m_terminology; }

    UiHelperList *uiHelperList() const { return m_helpers.get(); }

protected:
    // A member, so the bindings go before the base class deletes the child widgets they point at.
    std::unique_ptr<UiHelperList> m_helpers;

private:
    int m_id = 0;
    int m_uiTextId = 0;
    int m_hierarchy = 0;
    int m_terminology = 0;
};
