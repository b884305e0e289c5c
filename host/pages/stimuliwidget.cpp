#include "stimuliwidget.h"

#include "host/texts/widgettext.h"

StimuliWidget::StimuliWidget(int uiTextId, QWidget *parent) : StimuliWidget(nullptr, 1, uiTextId, parent) {}

StimuliWidget::StimuliWidget(zelServerManager *manager, int port, int uiTextId, QWidget *parent)
    : BoundView(manager, port, parent), m_uiTextId(uiTextId)
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

void StimuliWidget::ChangeTerminology(int terminology)
{
    m_terminology = terminology;
    BoundView::ChangeTerminology(terminology);
}

void StimuliWidget::setHierarchy(int hierarchy)
{
    m_hierarchy = hierarchy;
}

int StimuliWidget::insertionSid() const
{
    return 0;
}

QString StimuliWidget::insertionText() const
{
    return QString();
}
