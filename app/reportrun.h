#pragma once

#include "clientoptions.h"

class QTextStream;

// The unattended report: runs the session on its tester for the given seconds, with no window, then
// writes the report. Progress and failures go to the stream (stderr).
class ReportRun
{
public:
    explicit ReportRun(const ClientOptions &options);

    // 0 when the report was written, 1 otherwise.
    int run(QTextStream &progress);

private:
    ClientOptions m_options;
};
