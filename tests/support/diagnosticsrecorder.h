#pragma once

#include <QStringList>

// Captures the lines logged while it lives (diagnostics included), for exact comparisons.
class DiagnosticsRecorder
{
public:
    DiagnosticsRecorder();
    ~DiagnosticsRecorder();
    DiagnosticsRecorder(const DiagnosticsRecorder &) = delete;
    DiagnosticsRecorder &operator=(const DiagnosticsRecorder &) = delete;

    QStringList lines() const { return m_lines; }
    // Lines that start with prefix ("ZEL_ASSERT_MSG: ", "ZEL_FATAL: ").
    QStringList linesStartingWith(const QString &prefix) const;
    // Lines with the line number replaced by "%d", as the reports are written down.
    QStringList withLineNumbersMasked() const;
    void clear() { m_lines.clear(); }

private:
    QStringList m_lines;
};
