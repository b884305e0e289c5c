#pragma once

// Values the setup widgets of the physical layer compare with; the parameter ids are in host/otn/otnpid.h.
namespace nsSetupWidgets {

// The Tx clock source value of the tester's own oscillator.
constexpr int clockSourceInternal = 0;

// Which direction a bulk (unframed) pattern dialog sets up.
constexpr int bulkSelectTx = 4;
constexpr int bulkSelectRx = 5;

} // namespace nsSetupWidgets
