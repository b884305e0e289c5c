#include "sidproperty.h"

SidProperty::SidProperty(int customHelperKind, int type) : m_kind(customHelperKind), m_type(type) {}
