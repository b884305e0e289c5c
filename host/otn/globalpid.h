#pragma once

// Ids of the settings of the whole tester that the OTN screens follow (group nsSID::global, no port).
namespace PID {
namespace Global {
constexpr int TRIBUTARY_SCAN_LOCK = 48;
// 0 lists the performance figures of both directions together.
constexpr int BIDIRECTIONAL_PERFORMANCE = 265;
// The measurement of every port: running (1) or stopped (0, the counters stand still); writing 1 to the
// reset clears the counters and the alarm history and restarts the elapsed time (it reads back 0); the
// seconds measured since the last reset, counted by the tester.
constexpr int MEASUREMENT_RUNNING = 310;
constexpr int MEASUREMENT_RESET = 311;
constexpr int MEASUREMENT_ELAPSED = 312;
} // namespace Global
} // namespace PID
