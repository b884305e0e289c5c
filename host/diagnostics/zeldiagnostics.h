#pragma once

#include <QLoggingCategory>
#include <QString>

#include "host/hostexport.h"

// The host's report lines for broken expectations. Execution always goes on after a report.
ZELBASE_EXPORT const QLoggingCategory &lcZelAssert();
ZELBASE_EXPORT const QLoggingCategory &lcZelIgnored();

// Source path without extension in the tester's traditional form, e.g. "..\..\client\otn\x".
ZELBASE_EXPORT QString zelSourcePath(const char *file);

// Logs "ZEL_ASSERT_MSG: <path>: line <n> - <condition>: <message>".
ZELBASE_EXPORT void fZEL_ASSERT(const char *file, int line, const QString &condition, const QString &message);
// Logs "ZEL_FATAL: <path>: line <n>: <message>".
ZELBASE_EXPORT void fZEL_FATAL(const char *file, int line, const QString &message);

#define ZEL_ASSERT(cond, message) \
    do { if (!(cond)) fZEL_ASSERT(__FILE__, __LINE__, QStringLiteral(#cond), (message)); } while (0)
// For conditions whose report must read differently from the C++ expression.
#define ZEL_ASSERT_TEXT(cond, condText, message) \
    do { if (!(cond)) fZEL_ASSERT(__FILE__, __LINE__, QStringLiteral(condText), (message)); } while (0)
#define ZEL_FATAL(message) fZEL_FATAL(__FILE__, __LINE__, (message))
