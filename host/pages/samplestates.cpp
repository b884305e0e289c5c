#include "samplestates.h"

SampleStates::~SampleStates() = default;
