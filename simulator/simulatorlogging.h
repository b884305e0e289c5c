#pragma once

#include <QLoggingCategory>

// Refused writes and other store decisions.
Q_DECLARE_LOGGING_CATEGORY(lcSimStore)
// Catalogue loading, interval requests and the live values of the simulated tester.
Q_DECLARE_LOGGING_CATEGORY(lcSimLink)
