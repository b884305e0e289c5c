#pragma once

#include <QtGlobal>

// Export macros of the host's libraries: zelCore (diagnostics, parameters, catalogue, server link, texts,
// the session core), zelOtnModel (the OTN records and id tables) and zelTpClientBase (everything with
// widgets).
#if defined(ZELCORE_LIBRARY)
#  define ZELCORE_EXPORT Q_DECL_EXPORT
#else
#  define ZELCORE_EXPORT Q_DECL_IMPORT
#endif

#if defined(ZELOTNMODEL_LIBRARY)
#  define ZELOTNMODEL_EXPORT Q_DECL_EXPORT
#else
#  define ZELOTNMODEL_EXPORT Q_DECL_IMPORT
#endif

#if defined(ZELBASE_LIBRARY)
#  define ZELBASE_EXPORT Q_DECL_EXPORT
#else
#  define ZELBASE_EXPORT Q_DECL_IMPORT
#endif
