#pragma once

// Parameter ids (OTN group) behind the setup widgets of the physical layer.
namespace nsSetupWidgets {

// Transmit clock: its source and the frequency offset of the transmitted signal.
constexpr int clockSource = 11002;            // enum; clockSourceInternal is the tester's own oscillator
constexpr int clockSourceInternal = 0;
constexpr int frequencyOffset = 14012;        // double, ppm

// Optical output.
constexpr int laser = 17403;                  // enum: 0 off, 1 on
constexpr int txLevel = 8101;                 // double, dBm, measured
constexpr int txWavelength = 8104;            // double, nm, of the fitted module

// Bulk (unframed) test pattern, one set per direction.
constexpr int bulkTxPattern = 11206;          // enum
constexpr int bulkTxPolarity = 11207;         // enum: 0 normal, 1 inverted
constexpr int bulkRxPattern = 12029;
constexpr int bulkRxPolarity = 12030;
constexpr int bulkSelectTx = 4;
constexpr int bulkSelectRx = 5;

// Receiver physical status, shared with the physical status page.
constexpr int signalStatus = 101;             // alarm state of the received signal
constexpr int signalLevel = 8106;             // double, dBm
constexpr int signalFrequency = 8107;         // double, Hz

} // namespace nsSetupWidgets
