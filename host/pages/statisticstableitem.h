#pragma once

namespace nsStatistics {

// How the result table draws a row.
enum RowKind {
    RowValue = 0,          // a value (names, states)
    RowCount = 1,          // a counter shown as a plain count
    RowAlarmError = 4,     // an alarm seconds or error counter
    RowPair = 12,          // a counter of a two-column section, second column empty
    RowPairSecond = 13,    // a counter of a two-column section with a second counter
    RowHeader = 15,        // a header with a title and one column title
    RowSectionHeader = 16, // a section's first header with a title and two column titles
    RowSectionEnd = 19     // closes a section
};

// One row of a result table as a plug-in describes it.
struct TableItem
{
    int section = 0;
    int counterId = -1;        // -1 for headers
    int kind = RowValue;
    int textIds[3] = {0, 0, 0};
    int columns = 1;
    bool flagA = false;        // a state row
    bool flagB = false;        // a value row drawn as a second value
    int pairCounterId = -1;    // the second counter of a RowPairSecond row
    bool shown = true;
};

} // namespace nsStatistics
