#pragma once

#include <QLoggingCategory>
#include <QString>

#include "apps/shared/zelassert.h"
#include "host/hostexport.h"

// The host's report lines for broken expectations. Execution always goes on after a report.
// fZEL_ASSERT and ZEL_ASSERT come from apps/shared/zelassert.h; they are defined here.
ZELCORE_EXPORT const QLoggingCategory &lcZelAssert();
ZELCORE_EXPORT const QLoggingCategory &lcZelIgnored();

// Source path without extension in the tester's traditional form, e.g. "..\..\client\otn\x".
ZELCORE_EXPORT QString zelSourcePath(const char *file);

// Logs "ZEL_FATAL: <path>: line <n>: <message>".
ZELCORE_EXPORT void fZEL_FATAL(const char *file, int line, const QString &message);

#define ZEL_FATAL(message) fZEL_FATAL(__FILE__, __LINE__, (message))
