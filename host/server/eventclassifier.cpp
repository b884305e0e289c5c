#include "eventclassifier.h"

EventClassifier::~EventClassifier() = default;
