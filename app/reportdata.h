#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVector>

// What a test report holds, gathered once from the session so that every writer tells the same story.
// Texts are as the screens show them, in the terminology of their port.
struct ReportData
{
    // A transmitted overhead field: "SAPI", "DAPI", "Operator specific", an FTFL field.
    struct Field {
        QString level;
        QString name;
        QString value;
    };
    // One alarm seen in the run: how long it was active in all, and whether it still is.
    struct Alarm {
        QString level;
        QString name;
        qint64 seconds = 0;
        bool current = false;
    };
    struct Port {
        int port = 0;
        QString module;
        QString txStructure;
        QString rxStructure;
        QImage txDiagram;
        QImage rxDiagram;
        QVector<Field> overhead;
        QVector<Alarm> alarms;
        QImage history;
    };
    // A counter row of a result table as the result page shows it for one port and interval.
    struct Result {
        int port = 0;
        QString view;
        QString type;
        QString section;
        QString level;
        QString counter;
        QString interval;
        QString value;
        QString secondValue;
    };

    QDateTime created;
    QString clientVersion;
    QString tester;
    QVector<Port> ports;
    QStringList eventColumns;
    // Display texts of the log's columns, one line per entry.
    QVector<QStringList> events;
    QVector<Result> results;
};
