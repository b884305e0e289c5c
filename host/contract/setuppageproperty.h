#pragma once

#include <QSharedPointer>

#include "host/hostexport.h"

class SetupPageManager;

// A setup page the host offers, with its navigation manager (if the page has a navigation button).
// Copies of a record share the manager; the last one deletes it.
class ZELBASE_EXPORT SetupPageProperty
{
public:
    SetupPageProperty(int pageId, int direction, int layer, int technology, SetupPageManager *manager, int titleKey);

    int pageId() const { return m_pageId; }
    int direction() const { return m_direction; }
    int layer() const { return m_layer; }
    int technology() const { return m_technology; }
    SetupPageManager *pageManager() const { return m_manager.data(); }
    int titleKey() const { return m_titleKey; }

private:
    int m_pageId = -1;
    int m_direction = 0;
    int m_layer = 0;
    int m_technology = 0;
    QSharedPointer<SetupPageManager> m_manager;
    int m_titleKey = 0;
};
