#include "samplestates.h"

SampleStates::~SampleStates() = default;

QList<int> SampleStates::sampleStatePages(int) const
{
    return {};
}
