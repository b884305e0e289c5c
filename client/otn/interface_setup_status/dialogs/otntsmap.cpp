#include "otntsmap.h"

#include <algorithm>
#include <iterator>

#include "host/otn/otnmapping.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otntpts.h"
#include "otnchwidget.h"

Q_LOGGING_CATEGORY(lcOtnChannel, "otn.channel")

constexpr char OtnTsMap::headerStyle[];
constexpr char OtnTsMap::mainTpStyle[];
constexpr char OtnTsMap::dummyTpStyle[];
constexpr char OtnTsMap::frameStyle[];
constexpr char OtnTsMap::emptyText[];

int OtnTsMap::gridSize(int multiplexKind)
{
    using namespace nsSettings::Otn;
    switch (multiplexKind) {
    case MUX_ODU1_ODU3_PT20:
    case MUX_ODU2_ODU3_PT20:
    case MUX_RESERVED_8:
    case MUX_ODU2E_ODU3E1:
        return 16;
    case MUX_ODU1_ODU3_PT21:
    case MUX_ODU2_ODU3_PT21:
    case MUX_ODU2E_ODU3:
    case MUX_ODU0_ODU3:
    case MUX_ODU2E_ODU3E2:
    case MUX_ODUFLEX_ODU3:
        return 32;
    case MUX_ODU0_ODU4:
    case MUX_ODU1_ODU4:
    case MUX_ODU2_ODU4:
    case MUX_RESERVED_17:
    case MUX_ODU2E_ODU4:
    case MUX_ODU3_ODU4:
    case MUX_ODUFLEX_ODU4:
        return 80;
    default:
        return 8;
    }
}

int OtnTsMap::gridSizeOfStage(int stage, const OtnMapping &mapping)
{
    return gridSize(mapping.convertMultiplexes().value(stage, nsSettings::Otn::MUX_NONE));
}

int OtnTsMap::allocationColumns(int tsTotal)
{
    switch (tsTotal) {
    case 8:
        return 8;
    case 32:
        return 16;
    case 80:
        return 20;
    default:
        return 0;
    }
}

OtnChWidget *OtnTsMap::createMainGrid(int gridSize, QWidget *parent)
{
    return new OtnChWidget(mainGridCellCount(gridSize), columns, true, false, true, true, 8, parent);
}

OtnTsMap::Contents OtnTsMap::emptyContents()
{
    return Contents(maxTs, Cell{QString::fromLatin1(emptyText), QString::fromLatin1(dummyTpStyle)});
}

OtnTsMap::Contents OtnTsMap::channelContents(const int *channels, int tsCount)
{
    Contents contents = emptyContents();
    if (!channels)
        return contents;
    for (int t = 0; t < maxTs && t < tsCount; ++t)
        contents[t].text = QString::number(channels[t] + 1);
    return contents;
}

OtnTsMap::Contents OtnTsMap::txContents(int stage, const OtnMapping &mapping, int copyStatus, quint32 mainTp,
                                        const int *mainTs, quint32 flexTsCount, int tsCount)
{
    int channels[maxTs];
    std::fill(std::begin(channels), std::end(channels), -1);
    OtnTpTs::assignCh(stage, mapping, copyStatus, mainTp, mainTs, flexTsCount, channels, nullptr);
    return channelContents(channels, tsCount);
}

void OtnTsMap::markMainTs(Contents &contents, const int *mainTs, int tpCount)
{
    if (!mainTs)
        return;
    for (int i = 0; i < tpCount && i < maxTs; ++i)
        markMainTsIndex(contents, mainTs[i] - 1);
}

void OtnTsMap::markMainTsIndex(Contents &contents, int tsIndex)
{
    if (tsIndex >= 0 && tsIndex < contents.size())
        contents[tsIndex].styleSheet = QString::fromLatin1(mainTpStyle);
}

void OtnTsMap::layout(OtnChWidget *grid, const Contents &contents, int rows)
{
    if (!grid)
        return;
    const QString header = QString::fromLatin1(headerStyle);
    grid->setCellText(0, QStringLiteral("TS"));
    grid->setCellStyleSheet(0, header);
    for (int c = 1; c < columns; ++c) {
        grid->setCellText(c, QStringLiteral("+%1").arg(c));
        grid->setCellStyleSheet(c, header);
    }
    for (int r = 0; r < rows; ++r) {
        const int rowStart = (r + 1) * columns;
        grid->setCellText(rowStart, QString::number(8 * r));
        grid->setCellStyleSheet(rowStart, header);
        for (int c = 0; c < 8; ++c) {
            const int ts = 8 * r + c;
            if (ts >= contents.size())
                break;
            grid->setCellText(rowStart + 1 + c, contents.at(ts).text);
            grid->setCellStyleSheet(rowStart + 1 + c, contents.at(ts).styleSheet);
        }
    }
}
