#pragma once

#include "customizedscreen.h"
#include "host/hostexport.h"

// What the server says of a parameter on a customised screen: the screen type and the kind of widget
// only the technology plug-in makes for it (0 = an ordinary parameter, the host makes the widget).
class ZELBASE_EXPORT SidProperty
{
public:
    explicit SidProperty(int customHelperKind = 0, int type = CustomizedScreen::Type_Setup);

    int getType() const { return m_type; }
    int getCustomHelperKind() const { return m_kind; }

private:
    int m_kind = 0;
    int m_type = CustomizedScreen::Type_Setup;
};
