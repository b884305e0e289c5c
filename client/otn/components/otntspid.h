#pragma once

#include "client/otn/otnexport.h"

// Parameter ids of the tributary scan, per multiplex level (index 0 = highest order).
namespace PID {
namespace Otn {
namespace TS {
ZELOTN_EXPORT extern const int MAIN_TP[3];
} // namespace TS
} // namespace Otn
} // namespace PID
