#include "simulatorlogging.h"

Q_LOGGING_CATEGORY(lcSimStore, "sim.store")
Q_LOGGING_CATEGORY(lcSimLink, "sim.link")
