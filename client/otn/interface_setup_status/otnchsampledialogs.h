#pragma once

#include <vector>

#include "host/contract/interfacesetuppagefactory.h"

class zelServerManager;

// The dialogs the Tx channel dialog opens from its grids, for every multiplex stage the transmitter of
// one port has: the TS allocation (on stages with TS open to allocation) and the TP/TS selection, both
// filled with what the tester holds.
namespace OtnChSampleDialogs {

std::vector<SampleDialog> create(zelServerManager *manager, int port);

} // namespace OtnChSampleDialogs
