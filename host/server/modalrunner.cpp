#include "modalrunner.h"

ModalRunner::~ModalRunner() = default;
