#pragma once

#include <QList>

#include "client/otn/otnexport.h"

class StimuliWidget;
class zelServerManager;

// Registers the OTN stimuli panels of one port with the host.
class ZELOTN_EXPORT OtnStimuliControl
{
public:
    struct Item
    {
        int sid = 0;
        StimuliWidget *widget = nullptr;
    };

    // Appends the port's panels to items; the host owns them from then on.
    static void registerStimuli(zelServerManager *manager, int port, QList<Item> &items);
    // The panels' parameter ids for the port, in registration order: the skew panel only on
    // multi-lane modules.
    static QList<int> stimuliIds(zelServerManager *manager, int port);
};
