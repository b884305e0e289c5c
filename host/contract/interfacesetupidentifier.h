#pragma once

#include "host/hostexport.h"

// Names one setup or status page for navigation. Two identifiers are equal when their page ids are.
class ZELBASE_EXPORT InterfaceSetupIdentifier
{
public:
    enum Direction { DirectionNone = 0, DirectionTx = 1, DirectionRx = 2 };
    enum Layer { LayerNone = 0, LayerPhysical = 1, LayerFrame = 2 };
    enum Technology { TechnologyNone = 0, TechnologyOtn = 5 };
    enum Rate { RateDefault = 0 };
    // The OTN plug-in's setup and status pages.
    enum PageId {
        PageOtnTxFrameSetup = 31,
        PageOtnRxFrameSetup = 32,
        PageOtnTxPhysicalSetup = 34,
        PageOtnRxPhysicalSetup = 35,
        PageOtnPhysicalStatus = 37,
        PageOtnAlarmsErrorsStatus = 38,
        PageOtnOverheadCapture = 39,
        PageOtnTributaryScan = 40,
        PageOtnTransceiverStatus = 70
    };

    InterfaceSetupIdentifier() = default;
    InterfaceSetupIdentifier(int pageId, int direction, int layer, int technology, int rate = RateDefault)
        : m_pageId(pageId), m_direction(direction), m_layer(layer), m_technology(technology), m_rate(rate) {}

    int pageId() const { return m_pageId; }
    int direction() const { return m_direction; }
    int layer() const { return m_layer; }
    int technology() const { return m_technology; }
    int rate() const { return m_rate; }

    bool operator==(const InterfaceSetupIdentifier &other) const { return m_pageId == other.m_pageId; }
    bool operator!=(const InterfaceSetupIdentifier &other) const { return !(*this == other); }

private:
    int m_pageId = -1;
    int m_direction = DirectionNone;
    int m_layer = LayerNone;
    int m_technology = TechnologyNone;
    int m_rate = RateDefault;
};
