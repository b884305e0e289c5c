#include "samplestates.h"

SampleStates::~SampleStates() = default;

QList<int> SampleStates::sampleStatePages(int) const
{
    return {};
}

QString SampleStates::sampleStatePageState(int) const
{
    return {};
}
