#pragma once

#include <QString>

#include "client/otn/otnexport.h"

class OtnMapping;
class WidgetText;

// Display name of the ODTU of a multiplex stage ("ODTU12 (PT=20)") among the server's value names;
// empty without multiplexing. Both directions use the transmitter's stage names.
ZELOTN_EXPORT QString odtuDisplayName(const WidgetText &texts, int port, const OtnMapping &mapping, int stage);
