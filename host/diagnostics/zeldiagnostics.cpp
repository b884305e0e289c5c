#include "zeldiagnostics.h"

Q_LOGGING_CATEGORY(lcZelAssert, "zel.assert")
Q_LOGGING_CATEGORY(lcZelIgnored, "zel.ignored", QtDebugMsg)

QString zelSourcePath(const char *file)
{
    QString path = QString::fromUtf8(file);
    const QString root = QStringLiteral(ZEL_SOURCE_ROOT);
    if (path.startsWith(root))
        path = path.mid(root.size());
    // A compiler cache may hand the compiler paths relative to the build folder ("../../host/x.cpp").
    while (path.startsWith(QLatin1String("../")) || path.startsWith(QLatin1String("./")))
        path = path.mid(path.indexOf(QLatin1Char('/')) + 1);
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot > path.lastIndexOf(QLatin1Char('/')))
        path.truncate(dot);
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QStringLiteral("..\\..\\") + path;
}

void fZEL_ASSERT(const char *file, int line, const QString &condition, const QString &message)
{
    qCWarning(lcZelAssert).noquote() << QStringLiteral("ZEL_ASSERT_MSG: %1: line %2 - %3: %4")
                                            .arg(zelSourcePath(file)).arg(line).arg(condition, message);
}

void fZEL_FATAL(const char *file, int line, const QString &message)
{
    qCWarning(lcZelAssert).noquote() << QStringLiteral("ZEL_FATAL: %1: line %2: %3")
                                            .arg(zelSourcePath(file)).arg(line).arg(message);
}
