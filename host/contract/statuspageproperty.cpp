#include "statuspageproperty.h"

StatusPageProperty::StatusPageProperty(int pageId, int technology, int subLayer, int titleKey,
                                       const QVector<int> &followedSids, SubLayerJudgeInterface *showJudge)
    : m_pageId(pageId), m_technology(technology), m_subLayer(subLayer), m_titleKey(titleKey),
      m_followedSids(followedSids), m_showJudge(showJudge)
{
}

void StatusPageProperty::addItem(int rate, StatusItem::StatusType type, int sid, bool followsPort,
                                 StatusItemShowJudgeInterface *judge)
{
    m_items.append(StatusItem(rate, type, sid, followsPort, judge));
}
