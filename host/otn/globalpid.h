#pragma once

// Ids of the settings of the whole tester that the OTN screens follow (group nsSID::global, no port).
namespace PID {
namespace Global {
constexpr int TRIBUTARY_SCAN_LOCK = 48;
// 0 lists the performance figures of both directions together.
constexpr int BIDIRECTIONAL_PERFORMANCE = 265;
} // namespace Global
} // namespace PID
