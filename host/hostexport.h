#pragma once

#include <QtGlobal>

#if defined(ZELBASE_LIBRARY)
#  define ZELBASE_EXPORT Q_DECL_EXPORT
#else
#  define ZELBASE_EXPORT Q_DECL_IMPORT
#endif
