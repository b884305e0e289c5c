#pragma once

#include "customizedscreen.h"
#include "host/hostexport.h"

// One widget of a customised screen: the parameter it stands for and the kind of screen it is on.
class ZELBASE_EXPORT WidgetProperty
{
public:
    explicit WidgetProperty(int sid, int type = CustomizedScreen::Type_Setup);

    int getSid() const { return m_sid; }
    int getType() const { return m_type; }

private:
    int m_sid = 0;
    int m_type = CustomizedScreen::Type_Setup;
};
