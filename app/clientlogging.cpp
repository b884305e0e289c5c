#include "clientlogging.h"

Q_LOGGING_CATEGORY(lcClient, "otn.client")
