#include "stimuliwidget.h"

#include "host/bindings/uihelperlist.h"
#include "host/texts/widgettext.h"

StimuliWidget::StimuliWidget(int uiTextId, QWidget *parent)
    : QWidget(parent), m_helpers(std::make_unique<UiHelperList>()), m_uiTextId(uiTextId)
{
}

StimuliWidget::~StimuliWidget() = default;

void StimuliWidget::setId(int sid)
{
    m_id = sid;
}

QString StimuliWidget::title(const WidgetText &texts) const
{
    return texts.getUiText(m_uiTextId, m_terminology);
}

void StimuliWidget::UpdateText()
{
    m_helpers->UpdateText();
}

void StimuliWidget::ChangeTerminology(int terminology)
{
    m_terminology = terminology;
    m_helpers->ChangeTerminology(terminology);
}

void StimuliWidget::SetGUIAccessState(int state)
{
    m_helpers->SetGUIAccessState(state);
}

void StimuliWidget::setHierarchy(int hierarchy)
{
    m_hierarchy = hierarchy;
}
