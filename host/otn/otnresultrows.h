#pragma once

#include <QString>
#include <QVector>

#include "host/hostexport.h"

// The OTN results as the result pages list them: the result types of each view with their names, and
// the rows of each type (sections of headers, counters and ends, numbered as the result table groups
// them), each with what a received structure must have for the row to be shown. Whoever writes results
// (the result page, a report) reads them here.
class ZELOTNMODEL_EXPORT OtnResultRows
{
public:
    // The result types; the first type of a view has the view's id.
    enum Type {
        TypeLine = 17,
        TypeOdu1 = 18,
        TypeOdu2 = 19,
        TypeOdu3 = 20,
        TypeClient = 21,
        TypeTcm = 22,
        TypeJustification = 23,
        TypeGfp = 24,
        TypeLanes = 25,
        TypeLinePerformance = 26,
        TypeOdu1Performance = 27,
        TypeOdu2Performance = 28,
        TypeOdu3Performance = 29,
        TypeTcmPerformance = 30
    };
    // What some port's received structure has to have for a type to be offered or a row to be shown:
    // an ODTU on stage 0, 1 or 2, TCM results switched on, AMP or GMP on a level, a GFP client, lanes.
    enum Condition { Always, Odtu0, Odtu1, Odtu2, TcmResults, Justification, Gfp, Lanes };
    // How a row is drawn: a section's first header (title and two column texts), a further header
    // (title and one column text), a section's end; a counter as an alarm or error, a value, a state,
    // a second value, a plain count, or one of a pair of columns (with its second counter, or -1).
    enum Kind { SectionHeader, Header, SectionEnd, AlarmError, Value, State, SecondValue, Count, Pair };
    // A column text that leaves the column untitled; 0 takes the table's own.
    static constexpr int noText = -1;

    struct TypeEntry {
        Type type;
        Type view;       // the type whose id names the view
        int comboText;   // UI text of its entry in the type choice
        Condition offeredWhen;
    };

    struct Row {
        int section = 0;
        int counterId = -1;   // -1 for headers and ends
        Kind kind = Value;
        int texts[3] = {0, 0, 0};
        int pairCounterId = -1;
        Condition shownWhen = Always;
        int tcm = -1;                 // the tandem connection the row belongs to (0 = TCM1), -1 for none
        bool bidirectional = false;   // a figure of both directions together
    };

    // Every type, in the order the type choice lists them.
    static const QVector<TypeEntry> &types();
    // The type's rows; the justification type's rows depend on the ODU types (justificationRows).
    static QVector<Row> rows(int type);
    // The justification blocks of a level: of the highest ranked ODU type that is AMP and of the one that
    // is GMP mapped there (a rank of -1: none), the higher ranked one first, AMP second on a tie.
    static QVector<Row> justificationRows(int level, int ampRank, int gmpRank);
    // The rank of an ODU type by its name, from 0 for none to the ODUCn.
    static int oduRank(const QString &oduName);
};
