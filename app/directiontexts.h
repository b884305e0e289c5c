#pragma once

// UI texts that name the two directions ("Tx", "Rx").
namespace DirectionText {
constexpr int tx = 4187;
constexpr int rx = 4188;
} // namespace DirectionText
