#pragma once

#include <QVector>

#include "host/hostexport.h"
#include "statusitem.h"

class SubLayerJudgeInterface;

// A status page the host offers: title, status items, and the parameters that decide whether the
// page is offered at all (followed SIDs, handed to the show judge).
class ZELBASE_EXPORT StatusPageProperty
{
public:
    StatusPageProperty() = default;
    StatusPageProperty(int pageId, int technology, int subLayer, int titleKey, const QVector<int> &followedSids = {},
                       SubLayerJudgeInterface *showJudge = nullptr);

    void addItem(int rate, StatusItem::StatusType type, int sid, bool followsPort,
                 StatusItemShowJudgeInterface *judge);

    int pageId() const { return m_pageId; }
    void setPageId(int pageId) { m_pageId = pageId; }
    int technology() const { return m_technology; }
    void setTechnology(int technology) { m_technology = technology; }
    int subLayer() const { return m_subLayer; }
    void setSubLayer(int subLayer) { m_subLayer = subLayer; }
    int titleKey() const { return m_titleKey; }
    void setTitleKey(int key) { m_titleKey = key; }
    QVector<int> followedSids() const { return m_followedSids; }
    void setFollowedSids(const QVector<int> &sids) { m_followedSids = sids; }
    // Not owned; null offers the page always.
    SubLayerJudgeInterface *showJudge() const { return m_showJudge; }
    void setShowJudge(SubLayerJudgeInterface *judge) { m_showJudge = judge; }
    QVector<StatusItem> items() const { return m_items; }

private:
    int m_pageId = -1;
    int m_technology = 0;
    int m_subLayer = 0;
    int m_titleKey = 0;
    QVector<int> m_followedSids;
    SubLayerJudgeInterface *m_showJudge = nullptr;
    QVector<StatusItem> m_items;
};
