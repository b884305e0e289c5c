#pragma once

#include <QtGlobal>

#if defined(ZELOTN_LIBRARY)
#  define ZELOTN_EXPORT Q_DECL_EXPORT
#else
#  define ZELOTN_EXPORT Q_DECL_IMPORT
#endif
