#include "setuppageproperty.h"

#include "setuppagemanager.h"

SetupPageProperty::SetupPageProperty(int pageId, int direction, int layer, int technology, SetupPageManager *manager,
                                     int titleKey)
    : m_pageId(pageId), m_direction(direction), m_layer(layer), m_technology(technology), m_manager(manager),
      m_titleKey(titleKey)
{
}
