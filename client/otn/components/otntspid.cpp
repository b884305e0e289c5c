#include "otntspid.h"

#include "host/otn/otnpid.h"

namespace PID {
namespace Otn {
namespace TS {
const int MAIN_TP[3] = {SCAN::FIRST_MAIN_TP, SCAN::FIRST_MAIN_TP + 1, SCAN::FIRST_MAIN_TP + 2};
} // namespace TS
} // namespace Otn
} // namespace PID
