#pragma once

class StimuliWidget;

// One stimuli panel a plug-in registers for a port: the SID it answers to and the panel, which the
// host owns from then on.
struct StimuliRegistration
{
    int sid = 0;
    StimuliWidget *widget = nullptr;
};
