#pragma once

#include <QString>

#include "client/otn/otnexport.h"

class OtnMapping;

// Display name of the ODTU of a multiplex stage ("ODTU12 (PT=20)"); empty without multiplexing.
// Both directions use the transmitter's stage names.
ZELOTN_EXPORT QString odtuDisplayName(int port, const OtnMapping &mapping, int stage);
