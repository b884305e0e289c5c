#include "otntxchdialog.h"
#include "ui_otntxchdialog.h"

#include <algorithm>

#include <QPushButton>
#include <QRandomGenerator>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterfactory.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "otnchwidget.h"
#include "otntsmap.h"
#include "otntxchallocationdialog.h"

namespace {
constexpr int textMainTpTs = 5100;
constexpr int textMainTp = 5101;
constexpr int textDummyTp = 5102;
constexpr int textPreset = 5103;
constexpr int textNumberOfTs = 5104;
constexpr int allocatedGridMaxHeight = 4 * 9;
} // namespace

OtnTxChDialog::OtnTxChDialog(zelServerManager *manager, int port, QWidget *page, int stage,
                             const OtnMapping &mapping, int copyStatus)
    : OtnChDialogBase(manager, port, page, stage, mapping, PID::Otn::TX::MAIN_TP, PID::Otn::TX::MAIN_TS),
      ui(std::make_unique<Ui::OtnTxChDialog>()),
      m_copyStatus(copyStatus)
{
    ZEL_ASSERT(stage >= 0 && stage < stageCount, QStringLiteral("stage = %1").arg(stage));

    ui->setupUi(this);
    prepareForm(ui->widget, ui->bbTxCh);

    createBindings();
    updateDerivedCounts();
    createMainGrid(ui->placeSelected, ui->vLayoutSelected);
    createAllocatedSection();
    refreshMainGrid();
    applyMainTpRule();

    const WidgetText texts = this->texts();
    ui->lblMainTpTs->setText(texts.getUiText(textMainTpTs, 0));
    ui->lblMainTpClassification->setText(texts.getUiText(textMainTp, 0));
    ui->lblDummyTpClassification->setText(texts.getUiText(textDummyTp, 0));
    ui->lblPreset->setText(texts.getUiText(textPreset, 0));
    ui->lblNumberOfTs->setText(texts.getUiText(textNumberOfTs, 0));
    const QString frame = QLatin1Char(' ') + QString::fromLatin1(OtnTsMap::frameStyle);
    ui->lblMainTpClassificationColor->setStyleSheet(QString::fromLatin1(OtnTsMap::mainTpStyle) + frame);
    ui->lblDummyTpClassificationColor->setStyleSheet(QString::fromLatin1(OtnTsMap::dummyTpStyle) + frame);

    connect(ui->pbRandom, &QPushButton::clicked, this, &OtnTxChDialog::clickedRandom);
    setHelpPage(QStringLiteral("otn_tx_ch_dialog.html"));
}

OtnTxChDialog::~OtnTxChDialog() = default;

void OtnTxChDialog::createBindings()
{
    using namespace PID::Otn::TX;
    addNotification(stageEntry(MAIN_TP, m_stage));
    addMainTsSetter();

    const int numberOfTsId = stageEntry(NUMBER_OF_TS, m_stage);
    const bool flex = numberOfTsId != 0 && m_mapping.hasOduFlex(m_stage);
    if (flex) {
        addNotification(numberOfTsId);
        addNumber(ui->pbNumberOfTs, ui->lblNumberOfTs, numberOfTsId);
    }
    ui->lblNumberOfTs->setVisible(flex);
    ui->pbNumberOfTs->setVisible(flex);
}

void OtnTxChDialog::createAllocatedSection()
{
    const TpTsInfo info = OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTsCount);
    const int tsTotal = int(qMin<quint32>(info.tsTotal, OtnTsMap::maxTs));
    m_allocColumns = OtnTsMap::allocationColumns(tsTotal);
    const int allocId = stageEntry(PID::Otn::TX::ALLOC, m_stage);
    const bool exists = tsTotal != 0 && allocId != 0;
    ui->lblAllocated->setVisible(exists);
    ui->placeAllocated->setVisible(exists);
    if (!exists)
        return;

    m_allocGrid = new OtnChWidget(tsTotal, m_allocColumns, false, false, true, true, 8, ui->placeAllocated);
    m_allocGrid->setObjectName(QStringLiteral("allocatedGrid"));
    m_allocGrid->setMaximumHeight(allocatedGridMaxHeight);
    m_allocGrid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    ui->vLayoutAllocated->addWidget(m_allocGrid);
    connect(m_allocGrid, &OtnChWidget::cellClicked, this, &OtnTxChDialog::clickedAllocated);

    // The setter's first report (the cached value) fills the grid.
    m_allocSetter = m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(
        m_manager, this, nsSID::otnSid(m_port, allocId), UiHelper::ConnectImmediately));
}

void OtnTxChDialog::refreshMainGrid()
{
    if (!m_mainGrid)
        return;
    OtnTsMap::Contents contents =
        OtnTsMap::txContents(m_stage, m_mapping, m_copyStatus, m_mainTp, m_mainTs, m_flexTsCount, m_tsCount);
    OtnTsMap::markMainTs(contents, m_mainTs, m_tpCount);
    OtnTsMap::layout(m_mainGrid, contents, m_rows);
}

void OtnTxChDialog::applyMainTpRule()
{
    const TpTsInfo info = OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTsCount);
    const bool mainTpRow = info.autoDetection == 0;
    if (mainTpRow) {
        addNumber(ui->pbMainTp, ui->lblMainTp, stageEntry(PID::Otn::TX::MAIN_TP, m_stage));
        // The main TP fixes its TS: the map only shows them.
        for (int i = 0; i < m_mainGrid->cellCount(); ++i)
            m_mainGrid->setCellEnabled(i, false);
    }
    ui->lblPreset->setVisible(!mainTpRow);
    ui->pbRandom->setVisible(!mainTpRow);
    ui->lblMainTp->setVisible(mainTpRow);
    ui->pbMainTp->setVisible(mainTpRow);
}

void OtnTxChDialog::showAllocation(const QcmaParameter &parameter)
{
    const bool bits = parameter.getType() == QcmaParameter::TypeBitArray;
    if (m_allocGrid && usable(parameter, bits, "Tx channel: allocation"))
        m_allocGrid->setBits(parameter.getBitArray());
}

void OtnTxChDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn::TX;
    const int id = nsSID::idOf(parameter.getSID());
    if (isStageEntry(MAIN_TP, id)) {
        if (usable(parameter, isNumber(parameter), "Tx channel: main TP"))
            m_mainTp = parameter.getUInt();
    } else if (isStageEntry(MAIN_TS, id)) {
        takeMainTs(parameter, "Tx channel: main TS");
    } else if (isStageEntry(NUMBER_OF_TS, id)) {
        if (usable(parameter, isNumber(parameter), "Tx channel: number of TS")) {
            m_flexTsCount = parameter.getUInt();
            updateDerivedCounts();
        }
    } else if (isStageEntry(ALLOC, id)) {
        showAllocation(parameter);
    }
    refreshMainGrid();
}

void OtnTxChDialog::clickedAllocated(int)
{
    if (!m_allocGrid || !m_allocSetter)
        return;
    OtnTxChAllocationDialog dialog(m_allocGrid, m_allocGrid->cellCount(), m_allocColumns);
    dialog.setOdtuName(odtuName());
    const QcmaParameter *current = m_allocSetter->QcmaParameter_Get();
    if (current)
        dialog.setBits(current->getBitArray());
    if (!m_manager || m_manager->executeQzelDialog(&dialog) != 1 || !current)
        return;
    const std::unique_ptr<QcmaParameter> copy = QcmaParameterFactory::createCopy(current);
    if (!copy || copy->getType() != QcmaParameter::TypeBitArray) {
        qCWarning(lcOtnChannel) << "Tx channel: allocation" << current->describe() << "is no bit array";
        return;
    }
    // The server's array keeps its size; the dialog edits its first cells.
    QBitArray bits = copy->getBitArray();
    const QBitArray edited = dialog.bits();
    for (int i = 0; i < bits.size() && i < edited.size(); ++i)
        bits.setBit(i, edited.testBit(i));
    static_cast<QcmaParameterBitArray *>(copy.get())->setValue(bits);
    m_allocSetter->setParameter(copy.get());
    m_allocGrid->setBits(bits);
}

void OtnTxChDialog::clickedRandom()
{
    if (!m_mainTsSetter)
        return;
    if (m_tpCount <= 0 || m_tpCount > m_tsCount) {
        qCWarning(lcOtnChannel) << "Tx channel: no random preset of" << m_tpCount << "TP in" << m_tsCount << "TS";
        return;
    }
    // The system-seeded generator needs no seeding from the clock.
    QRandomGenerator *random = QRandomGenerator::global();
    QVector<int> drawn;
    drawn.reserve(m_tpCount);
    while (drawn.size() < m_tpCount) {
        const int ts = int(random->bounded(quint32(m_tsCount))) + 1;
        if (!drawn.contains(ts))
            drawn.append(ts);
    }
    std::sort(drawn.begin(), drawn.end());
    QByteArray bytes;
    for (int ts : qAsConst(drawn))
        bytes.append(char(ts));
    QcmaParameterByteArray value(m_mainTsSetter->getSID(), bytes);
    m_mainTsSetter->setParameter(&value);
}
