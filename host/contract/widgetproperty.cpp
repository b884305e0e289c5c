#include "widgetproperty.h"

WidgetProperty::WidgetProperty(int sid, int type) : m_sid(sid), m_type(type) {}
