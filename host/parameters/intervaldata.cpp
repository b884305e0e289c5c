#include "intervaldata.h"

IntervalData::~IntervalData() = default;
