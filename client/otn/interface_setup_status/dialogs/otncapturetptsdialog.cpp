#include "otncapturetptsdialog.h"
#include "ui_otncapturetptsdialog.h"

#include "host/otn/otnmapping.h"
#include "host/otn/otntpts.h"
#include "host/parameters/intervaldata.h"
#include "host/pages/dialogsetup.h"
#include "otnchwidget.h"
#include "otntsmap.h"

namespace {

constexpr int uiTextTx = 4187;
constexpr int uiTextRx = 4188;
constexpr int uiTextMainTp = 5101;
constexpr int uiTextDummyTp = 5102;

int tsCountOf(int level, const OtnMapping &mapping)
{
    return int(qMin<quint32>(OtnTpTs::getTpTsInfo(level, mapping, 0).tsCount, OtnTsMap::maxTs));
}

int tpCountOf(int level, const OtnMapping &mapping, quint32 flexTsCount)
{
    return int(qMin<quint32>(OtnTpTs::getTpTsInfo(level, mapping, flexTsCount).tpCount, OtnTsMap::maxTs));
}

// Every row of the grid, so that no cell keeps the number it was made with.
int gridRows(const OtnChWidget *map)
{
    return (map->cellCount() - OtnTsMap::columns) / OtnTsMap::columns;
}

} // namespace

OtnCaptureTpTsDialog::OtnCaptureTpTsDialog(QWidget *parent)
    : ZelDialog(parent, nullptr, true), ui(std::make_unique<Ui::OtnCaptureTpTsDialog>())
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), nullptr, DialogSetup::ComboDelegates);
    const QString frame = QString::fromLatin1(OtnTsMap::frameStyle);
    ui->lblMainTpClassificationColor->setStyleSheet(QString::fromLatin1(OtnTsMap::mainTpStyle) + frame);
    ui->lblDummyTpClassificationColor->setStyleSheet(QString::fromLatin1(OtnTsMap::dummyTpStyle) + frame);
    setHelpPage(QStringLiteral("otn_ohcapture.html"));
}

OtnCaptureTpTsDialog::~OtnCaptureTpTsDialog() = default;

void OtnCaptureTpTsDialog::showEvent(QShowEvent *event)
{
    const WidgetText texts = this->texts();
    ui->lblTx->setText(texts.getUiText(uiTextTx, 0));
    ui->lblRx->setText(texts.getUiText(uiTextRx, 0));
    ui->lblMainTpClassification->setText(texts.getUiText(uiTextMainTp, 0));
    ui->lblDummyTpClassification->setText(texts.getUiText(uiTextDummyTp, 0));
    ZelDialog::showEvent(event);
}

void OtnCaptureTpTsDialog::setLevelName(const QString &name)
{
    setWindowTitle(name + QStringLiteral(" TP/TS"));
}

OtnChWidget *OtnCaptureTpTsDialog::ensureMap(OtnChWidget *map, QVBoxLayout *layout, int gridSize, const char *name)
{
    if (map && map->cellCount() == OtnTsMap::mainGridCellCount(gridSize))
        return map;
    removeMap(map);
    map = OtnTsMap::createMainGrid(gridSize, this);
    map->setObjectName(QString::fromLatin1(name));
    // A view of what is set up and received: its cells take no clicks.
    map->setAttribute(Qt::WA_TransparentForMouseEvents);
    OtnTsMap::layout(map, OtnTsMap::emptyContents(), gridRows(map));
    layout->addWidget(map);
    return map;
}

void OtnCaptureTpTsDialog::removeMap(OtnChWidget *&map)
{
    delete map;
    map = nullptr;
}

void OtnCaptureTpTsDialog::setRxMapSize(int level, const OtnMapping &received)
{
    if (!received.hasOdtu(level)) {
        removeMap(m_rxMap);
        return;
    }
    m_rxMap = ensureMap(m_rxMap, ui->vLayoutRx, OtnTsMap::gridSizeOfStage(level, received), "rxMap");
}

void OtnCaptureTpTsDialog::setTxMap(int level, const OtnMapping &transmitted, int copyStatus, quint32 mainTp,
                                    const int *mainTs, quint32 flexTsCount)
{
    if (!transmitted.hasOdtu(level) || !mainTs) {
        removeMap(m_txMap);
        return;
    }
    m_txMap = ensureMap(m_txMap, ui->vLayoutTx, OtnTsMap::gridSizeOfStage(level, transmitted), "txMap");
    const int tsCount = tsCountOf(level, transmitted);
    OtnTsMap::Contents contents =
        OtnTsMap::txContents(level, transmitted, copyStatus, mainTp, mainTs, flexTsCount, tsCount);
    OtnTsMap::markMainTs(contents, mainTs, tpCountOf(level, transmitted, flexTsCount));
    OtnTsMap::layout(m_txMap, contents, gridRows(m_txMap));
}

void OtnCaptureTpTsDialog::setRxCapture(int level, const OtnMapping &received, quint32 channelNumber,
                                        const QByteArray &channelWords, const QByteArray &mainTsBytes)
{
    if (!m_rxMap)
        return;
    using Record = IntervalDataOtnCapture;
    const int tsCount = tsCountOf(level, received);
    OtnTsMap::Contents contents = OtnTsMap::emptyContents();
    for (int t = 0; t < tsCount; ++t) {
        const quint16 word = Record::channelWord(channelWords, t);
        if (!(word & Record::noChannel))
            contents[t].text = QString::number(word);
    }
    const int tpCount = tpCountOf(level, received, channelNumber);
    for (int tp = 0; tp < tpCount && tp < mainTsBytes.size(); ++tp) {
        const int ts = quint8(mainTsBytes.at(tp));
        if (ts < OtnTsMap::maxTs)
            OtnTsMap::markMainTsIndex(contents, ts);
    }
    OtnTsMap::layout(m_rxMap, contents, gridRows(m_rxMap));
}
