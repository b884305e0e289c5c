#include "serverlink.h"

ServerLink::~ServerLink() = default;
