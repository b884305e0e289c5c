#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QVector>

#include "client/otn/otnexport.h"

class OtnChWidget;
class OtnMapping;
class QWidget;

// Log of the tributary port and slot dialogs.
ZELOTN_EXPORT const QLoggingCategory &lcOtnChannel();

// The tributary slot map shared by the channel dialogs and the capture TP/TS view: what each TS cell
// shows, and how the 80 TS are laid into a 9-column grid under a "TS", "+1".."+8" header.
class ZELOTN_EXPORT OtnTsMap
{
public:
    static constexpr int maxTs = 80;
    static constexpr int columns = 9;

    static constexpr char headerStyle[] = "background-color: gray; color: white;";
    static constexpr char mainTpStyle[] = "background-color: rgb(170, 255, 255); color: black;";
    static constexpr char dummyTpStyle[] = "background-color: white; color: black;";
    static constexpr char frameStyle[] = "border: 1.5px solid gray;";
    static constexpr char emptyText[] = "--";

    struct Cell {
        QString text;
        QString styleSheet;
        bool operator==(const Cell &other) const { return text == other.text && styleSheet == other.styleSheet; }
    };
    // One cell per TS index 0-79.
    using Contents = QVector<Cell>;

    // Grid size (8, 16, 32 or 80) of a multiplex kind (nsSettings::Otn::Multiplex_t).
    static int gridSize(int multiplexKind);
    // Grid size of a stage of a structure; a stage without multiplexing counts as kind 0.
    static int gridSizeOfStage(int stage, const OtnMapping &mapping);
    // Columns of an allocation grid by the stage's TS total: 8 -> 8, 32 -> 16, 80 -> 20, else 0.
    static int allocationColumns(int tsTotal);
    static int rows(int tsCount) { return (qMax(0, tsCount) + 7) / 8; }
    // Header row, one row label per 8 TS and the TS cells.
    static int mainGridCellCount(int gridSize) { return gridSize + gridSize / 8 + columns; }
    // The main TP/TS grid: numbered, reporting clicks, inverted, checkable, maximum 8.
    static OtnChWidget *createMainGrid(int gridSize, QWidget *parent);

    // Every TS "--" on the dummy TP look.
    static Contents emptyContents();
    // channels[t] is the 0-based TP in TS t + 1: shown as TP number (channel + 1) below tsCount, "--" beyond.
    static Contents channelContents(const int *channels, int tsCount);
    // The transmitter's assignment of a stage (OtnTpTs::assignCh) as contents, main TS not yet marked.
    static Contents txContents(int stage, const OtnMapping &mapping, int copyStatus, quint32 mainTp,
                               const int *mainTs, quint32 flexTsCount, int tsCount);
    // Gives the main TP look to the cell of each TP's first TS (1-based entries; others are ignored).
    static void markMainTs(Contents &contents, const int *mainTs, int tpCount);
    // Gives the main TP look to one TS index (0-79; others are ignored).
    static void markMainTsIndex(Contents &contents, int tsIndex);

    // Writes header, row labels (0, 8, 16, ...) and the TS cells of rows 0..rows - 1 into the grid.
    static void layout(OtnChWidget *grid, const Contents &contents, int rows);
};
