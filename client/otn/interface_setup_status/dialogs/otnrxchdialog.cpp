#include "otnrxchdialog.h"
#include "ui_otnrxchdialog.h"

#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "otnchwidget.h"
#include "otntsmap.h"

namespace {
constexpr int textMainTs = 5099;
// Detection modes of the stage's DET_MODE parameter that this dialog tells apart.
constexpr int modeMap = 0;
constexpr int modeMainTp = 1;
constexpr int modeMainTs = 2;
// The TpTsInfo detection value of an ODUflex stage whose TS count is shown.
constexpr quint32 flexTsShown = 3;
} // namespace

OtnRxChDialog::OtnRxChDialog(zelServerManager *manager, int port, QWidget *page, int stage,
                             const OtnMapping &mapping)
    : OtnChDialogBase(manager, port, page, stage, mapping, PID::Otn::RX::MAIN_TP, PID::Otn::RX::MAIN_TS),
      ui(std::make_unique<Ui::OtnRxChDialog>())
{
    ZEL_ASSERT(stage >= 0 && stage < stageCount, QStringLiteral("stage = %1").arg(stage));

    ui->setupUi(this);
    prepareForm(ui->widget, ui->bbRxCh);

    createBindings();
    const QString mainTsText = texts().getUiText(textMainTs, 0) + QLatin1Char(':');
    ui->lblMainTs->setText(mainTsText);
    ui->lblMainTpTs->setText(mainTsText);

    updateCountsAndDetection();
    createMainGrid(ui->widget, ui->vLayoutSelected);
    updateVisibility();
    refreshGrid();

    connect(ui->pbMainTs, &QPushButton::clicked, this, &OtnRxChDialog::clickedMainTs);
    setHelpPage(QStringLiteral("otn_rx_ch_dialog.html"));
}

OtnRxChDialog::~OtnRxChDialog() = default;

void OtnRxChDialog::createBindings()
{
    using namespace PID::Otn::RX;
    const int mainTpId = stageEntry(MAIN_TP, m_stage);
    addNumber(ui->pbMainTp, ui->lblMainTp, mainTpId);
    addNotification(mainTpId);
    addMainTsSetter();
    if (const int id = stageEntry(DET_MODE, m_stage)) {
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(m_manager, ui->cmbMode, ui->lblMode, nullptr,
                                                                        nullptr, nsSID::otnSid(m_port, id),
                                                                        UiHelper::ConnectImmediately));
        addNotification(id);
    }
    const int numberOfTsId = stageEntry(NUMBER_OF_TS, m_stage);
    addNotification(numberOfTsId);
    addNumber(ui->pbNumberOfTs, ui->lblNumberOfTs, numberOfTsId);
}

void OtnRxChDialog::updateCountsAndDetection()
{
    const TpTsInfo info = updateDerivedCounts();
    m_autoDetection = int(info.autoDetection);
    m_manual = info.autoDetection == 0;
}

void OtnRxChDialog::updateVisibility()
{
    const bool mainTp = m_detectionMode == modeMainTp || m_manual;
    ui->lblMainTp->setVisible(mainTp);
    ui->pbMainTp->setVisible(mainTp);

    const bool mainTs = m_detectionMode == modeMainTs && !m_manual;
    ui->lblMainTs->setVisible(mainTs);
    ui->pbMainTs->setVisible(mainTs);

    const bool numberOfTs = quint32(m_autoDetection) == flexTsShown;
    ui->lblNumberOfTs->setVisible(numberOfTs);
    ui->pbNumberOfTs->setVisible(numberOfTs);

    const bool map = m_detectionMode == modeMap && !m_manual;
    ui->lblMainTpTs->setVisible(map);
    ui->lblMainTpClassificationColor->setVisible(map);
    ui->lblMainTpClassification->setVisible(map);
    ui->lblDummyTpClassificationColor->setVisible(map);
    ui->lblDummyTpClassification->setVisible(map);
    if (!m_mainGrid)
        return;
    m_mainGrid->setVisible(map);
    for (int i = 0; i < m_mainGrid->cellCount(); ++i)
        m_mainGrid->setCellEnabled(i, !m_manual);
}

void OtnRxChDialog::refreshGrid()
{
    if (!m_mainGrid)
        return;
    OtnTsMap::Contents contents = OtnTsMap::emptyContents();
    OtnTsMap::markMainTs(contents, m_mainTs, m_tpCount);
    OtnTsMap::layout(m_mainGrid, contents, m_rows);
}

void OtnRxChDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn::RX;
    const int id = nsSID::idOf(parameter.getSID());
    if (isStageEntry(MAIN_TS, id)) {
        if (takeMainTs(parameter, "Rx channel: main TS") && !parameter.getByteArray().isEmpty())
            ui->pbMainTs->setText(QString::number(quint8(parameter.getByteArray().at(0))));
    } else if (isStageEntry(MAIN_TP, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: main TP")) {
            m_mainTp = parameter.getUInt();
            updateCountsAndDetection();
        }
    } else if (isStageEntry(DET_MODE, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: detection mode")) {
            m_detectionMode = parameter.getEnum();
            updateVisibility();
        }
    } else if (isStageEntry(NUMBER_OF_TS, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: number of TS")) {
            m_flexTsCount = parameter.getUInt();
            updateCountsAndDetection();
            updateVisibility();
        }
    }
    refreshGrid();
}

void OtnRxChDialog::clickedMainTs()
{
    if (!m_manager || !m_mainTsSetter)
        return;
    QzelNumpadDlg pad(QzelNumpadDlg::Integer, this);
    pad.setMinimum(1);
    pad.setMaximum(qMax(1, m_tsCount));
    pad.setText(QString::number(m_mainTs[0]));
    pad.setTitle(texts().getUiText(textMainTs, 0));
    bool ok = false;
    const bool accepted = m_manager->executeQzelDialog(&pad) == 1;
    const int value = int(pad.value(&ok));
    if (!accepted)
        return;
    if (!ok || value < 1 || value > 255) {
        qCWarning(lcOtnChannel) << "Rx channel: main TS" << value << "out of range";
        return;
    }

    const std::unique_ptr<QcmaParameter> copy = m_mainTsSetter->QcmaParameter_GetCopy();
    if (!copy || copy->getType() != QcmaParameter::TypeByteArray) {
        qCWarning(lcOtnChannel) << "Rx channel: no main TS list to change";
        return;
    }
    QByteArray bytes = copy->getByteArray();
    if (bytes.isEmpty())
        bytes.append(char(0));
    // A TS held by another TP goes to that TP's place: the two TPs swap their main TS.
    const char entered = char(value);
    const int other = bytes.indexOf(entered, 1);
    if (other > 0)
        bytes[other] = bytes.at(0);
    bytes[0] = entered;
    static_cast<QcmaParameterByteArray *>(copy.get())->setValue(bytes);
    m_mainTsSetter->setParameter(copy.get());
}
