#pragma once

#include <QString>

class ClientSession;
class QWidget;

// Saves the test report of a session: the PDF, and the CSV of its results with the event log's CSV
// beside it. Every file is written whole or not at all.
class ReportSaver
{
public:
    // Asks for the PDF's name (the CSV files go beside it), writes the report and tells a failure in a
    // message box. False when nothing was written.
    static bool save(ClientSession &session, QWidget *parent);
    // Gathers the report and writes it; csvPath may be empty. False, with a message naming the file and
    // the reason, when a file could not be written; no file is left half written.
    static bool write(ClientSession &session, const QString &pdfPath, const QString &csvPath, QString *error);
    // Where the event log's CSV goes: "run.csv" gives "run-events.csv".
    static QString eventsPathFor(const QString &csvPath);
};
