#pragma once

#include <QString>
#include <QtGlobal>

// The host's assertion function, as the shared headers call it. It is defined by the host's
// diagnostics (host/diagnostics), which every library that compiles these headers links; this header
// only declares it, so that the shared headers depend on nothing of the host.
#if defined(ZELCORE_LIBRARY)
#  define ZEL_ASSERT_EXPORT Q_DECL_EXPORT
#else
#  define ZEL_ASSERT_EXPORT Q_DECL_IMPORT
#endif

// Logs "ZEL_ASSERT_MSG: <path>: line <n> - <condition>: <message>"; execution goes on.
ZEL_ASSERT_EXPORT void fZEL_ASSERT(const char *file, int line, const QString &condition, const QString &message);

#define ZEL_ASSERT(cond, message) \
    do { if (!(cond)) fZEL_ASSERT(__FILE__, __LINE__, QStringLiteral(#cond), (message)); } while (0)
// For conditions whose report must read differently from the C++ expression.
#define ZEL_ASSERT_TEXT(cond, condText, message) \
    do { if (!(cond)) fZEL_ASSERT(__FILE__, __LINE__, QStringLiteral(condText), (message)); } while (0)
