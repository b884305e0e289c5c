#include "diagnosticsrecorder.h"

#include <QRegularExpression>
#include <QtGlobal>

namespace {
DiagnosticsRecorder *g_recorder = nullptr;
QStringList *g_lines = nullptr;
QtMessageHandler g_previous = nullptr;

void handler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_lines)
        g_lines->append(message);
    if (g_previous && type != QtDebugMsg)
        g_previous(type, context, message);
}
} // namespace

DiagnosticsRecorder::DiagnosticsRecorder()
{
    g_recorder = this;
    g_lines = &m_lines;
    g_previous = qInstallMessageHandler(handler);
}

DiagnosticsRecorder::~DiagnosticsRecorder()
{
    qInstallMessageHandler(g_previous);
    g_recorder = nullptr;
    g_lines = nullptr;
}

QStringList DiagnosticsRecorder::linesStartingWith(const QString &prefix) const
{
    QStringList found;
    for (const QString &line : m_lines) {
        if (line.startsWith(prefix))
            found.append(line);
    }
    return found;
}

QStringList DiagnosticsRecorder::withLineNumbersMasked() const
{
    static const QRegularExpression lineNumber(QStringLiteral(": line \\d+"));
    QStringList masked;
    for (QString line : m_lines)
        masked.append(line.replace(lineNumber, QStringLiteral(": line %d")));
    return masked;
}
