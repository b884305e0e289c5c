#include "otntspid.h"

namespace PID {
namespace Otn {
namespace TS {
const int MAIN_TP[3] = {16002, 16003, 16004};
} // namespace TS
} // namespace Otn
} // namespace PID
