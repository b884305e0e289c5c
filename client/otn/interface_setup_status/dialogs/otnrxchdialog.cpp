#include "otnrxchdialog.h"
#include "ui_otnrxchdialog.h"

#include <algorithm>

#include <QPushButton>

#include "apps/shared/sid.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"
#include "host/widgets/qzelnumpaddlg.h"
#include "otnchwidget.h"
#include "otnselecttsdialog.h"
#include "otntsmap.h"

namespace {
constexpr int textClose = 2004;
constexpr int textMainTs = 5099;
constexpr int stageCount = 3;
// Detection modes of the stage's DET_MODE parameter that this dialog tells apart.
constexpr int modeMap = 0;
constexpr int modeMainTp = 1;
constexpr int modeMainTs = 2;
// The TpTsInfo detection value of an ODUflex stage whose TS count is shown.
constexpr quint32 flexTsShown = 3;

int stageEntry(const int (&table)[stageCount], int stage)
{
    return (stage >= 0 && stage < stageCount) ? table[stage] : 0;
}

bool isStageEntry(const int (&table)[stageCount], int id)
{
    return id != 0 && std::find(std::begin(table), std::end(table), id) != std::end(table);
}

bool isNumber(const QcmaParameter &parameter)
{
    const int type = parameter.getType();
    return type == QcmaParameter::TypeInt || type == QcmaParameter::TypeEnum || type == QcmaParameter::TypeUInt;
}

// Undefined values are normal (the stage has no such setting now); another kind of value is a fault.
bool usable(const QcmaParameter &parameter, bool rightKind, const char *what)
{
    if (!rightKind) {
        qCWarning(lcOtnChannel) << what << parameter.describe() << "is of the wrong kind, ignored";
        return false;
    }
    if (!parameter.isDefined()) {
        qCDebug(lcOtnChannel) << what << parameter.describe() << "is undefined, ignored";
        return false;
    }
    return true;
}
} // namespace

OtnRxChDialog::OtnRxChDialog(zelServerManager *manager, int port, QWidget *page, int stage,
                             const OtnMapping &mapping)
    : ZelDialog(page, manager, true),
      ui(new Ui::OtnRxChDialog),
      m_helpers(new UiHelperList),
      m_manager(manager),
      m_mapping(mapping),
      m_port(port),
      m_stage(stage)
{
    ZEL_ASSERT(stage >= 0 && stage < stageCount, QStringLiteral("stage = %1").arg(stage));
    for (int i = 0; i < OtnTsMap::maxTs; ++i)
        m_mainTs[i] = i + 1;

    ui->setupUi(this);
    if (QPushButton *close = ui->bbRxCh->button(QDialogButtonBox::Close))
        close->setText(WidgetText::instance()->getCommonText(textClose));
    installComboDelegates(this);
    removeContextHelpButton();

    createBindings();
    const QString mainTsText = WidgetText::instance()->getUiText(textMainTs, 0) + QLatin1Char(':');
    ui->lblMainTs->setText(mainTsText);
    ui->lblMainTpTs->setText(mainTsText);

    updateDerivedCounts();
    m_mainGrid = OtnTsMap::createMainGrid(m_gridSize, ui->widget);
    m_mainGrid->setObjectName(QStringLiteral("mainTpTsGrid"));
    ui->vLayoutSelected->addWidget(m_mainGrid);
    updateVisibility();
    refreshGrid();

    connect(ui->bbRxCh, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->bbRxCh, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->pbMainTs, &QPushButton::clicked, this, &OtnRxChDialog::clickedMainTs);
    connect(m_mainGrid, &OtnChWidget::cellClicked, this, &OtnRxChDialog::clickedMainTpTs);
    setHelpPage(QStringLiteral("otn_rx_ch_dialog.html"));
}

OtnRxChDialog::~OtnRxChDialog()
{
    // Bindings report to this dialog: they go first.
    m_helpers.reset();
    delete ui;
}

int OtnRxChDialog::sidOf(int id) const
{
    return nsSID::build(m_port, nsSID::otn, id);
}

void OtnRxChDialog::createBindings()
{
    using namespace PID::Otn::RX;
    constexpr int strategy = UiHelper::ConnectImmediately;
    if (const int id = stageEntry(MAIN_TP, m_stage)) {
        m_helpers->AddUiHelper(new UiHelper_Number(m_manager, ui->pbMainTp, ui->lblMainTp, nullptr, sidOf(id), strategy));
        m_helpers->AddUiHelper(new UiHelper_Notification(m_manager, this, sidOf(id), strategy));
    }
    if (const int id = stageEntry(MAIN_TS, m_stage)) {
        m_mainTsSetter = new UiHelper_Setter(m_manager, this, sidOf(id), strategy);
        m_helpers->AddUiHelper(m_mainTsSetter);
    }
    if (const int id = stageEntry(DET_MODE, m_stage)) {
        m_helpers->AddUiHelper(
            new UiHelper_Enum_ComboBox(m_manager, ui->cmbMode, ui->lblMode, nullptr, nullptr, sidOf(id), strategy));
        m_helpers->AddUiHelper(new UiHelper_Notification(m_manager, this, sidOf(id), strategy));
    }
    if (const int id = stageEntry(NUMBER_OF_TS, m_stage)) {
        m_helpers->AddUiHelper(new UiHelper_Notification(m_manager, this, sidOf(id), strategy));
        m_helpers->AddUiHelper(
            new UiHelper_Number(m_manager, ui->pbNumberOfTs, ui->lblNumberOfTs, nullptr, sidOf(id), strategy));
    }
}

void OtnRxChDialog::updateDerivedCounts()
{
    m_gridSize = OtnTsMap::gridSizeOfStage(m_stage, m_mapping);
    const TpTsInfo info = OtnTpTs::getTpTsInfo(m_stage, m_mapping, m_flexTsCount);
    m_tpCount = int(qMin<quint32>(info.tpCount, OtnTsMap::maxTs));
    m_tsCount = int(qMin<quint32>(OtnTpTs::getTpTsInfo(m_stage, m_mapping, 0).tsCount, OtnTsMap::maxTs));
    m_rows = OtnTsMap::rows(m_tsCount);
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

void OtnRxChDialog::setAccessState(int state)
{
    m_helpers->SetGUIAccessState(state);
    ui->widget->setEnabled(state == 0);
    if (QPushButton *close = ui->bbRxCh->button(QDialogButtonBox::Close))
        close->setEnabled(state == 0);
}

void OtnRxChDialog::setOdtuName(const QString &name)
{
    m_odtuName = name;
    setWindowTitle(name + QStringLiteral(" TP/TS"));
}

void OtnRxChDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    using namespace PID::Otn::RX;
    const int id = nsSID::idOf(parameter.getSID());
    if (isStageEntry(MAIN_TS, id)) {
        if (usable(parameter, parameter.getType() == QcmaParameter::TypeByteArray, "Rx channel: main TS")) {
            const QByteArray bytes = parameter.getByteArray();
            OtnTpTs::copyTs(m_mainTs, bytes, qMin(bytes.size(), int(OtnTsMap::maxTs)));
            if (!bytes.isEmpty())
                ui->pbMainTs->setText(QString::number(quint8(bytes.at(0))));
        }
    } else if (isStageEntry(MAIN_TP, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: main TP")) {
            m_mainTp = parameter.getUInt();
            updateDerivedCounts();
        }
    } else if (isStageEntry(DET_MODE, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: detection mode")) {
            m_detectionMode = parameter.getEnum();
            updateVisibility();
        }
    } else if (isStageEntry(NUMBER_OF_TS, id)) {
        if (usable(parameter, isNumber(parameter), "Rx channel: number of TS")) {
            m_flexTsCount = parameter.getUInt();
            updateDerivedCounts();
            updateVisibility();
        }
    }
    refreshGrid();
}

void OtnRxChDialog::clickedMainTs()
{
    if (!m_manager || !m_mainTsSetter)
        return;
    auto *pad = new QzelNumpadDlg(QzelNumpadDlg::Integer, this);
    pad->setMinimum(1);
    pad->setMaximum(qMax(1, m_tsCount));
    pad->setText(QString::number(m_mainTs[0]));
    pad->setTitle(WidgetText::instance()->getUiText(textMainTs, 0));
    bool ok = false;
    const bool accepted = m_manager->executeQzelDialog(pad) == 1;
    const int value = int(pad->value(&ok));
    delete pad;
    if (!accepted)
        return;
    if (!ok || value < 1 || value > 255) {
        qCWarning(lcOtnChannel) << "Rx channel: main TS" << value << "out of range";
        return;
    }

    QcmaParameter *copy = m_mainTsSetter->QcmaParameter_GetCopy();
    if (!copy || copy->getType() != QcmaParameter::TypeByteArray) {
        qCWarning(lcOtnChannel) << "Rx channel: no main TS list to change";
        delete copy;
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
    static_cast<QcmaParameterByteArray *>(copy)->setValue(bytes);
    m_mainTsSetter->setParameter(copy);
    delete copy;
}

void OtnRxChDialog::clickedMainTpTs(int)
{
    const int mainTsId = stageEntry(PID::Otn::RX::MAIN_TS, m_stage);
    if (mainTsId == 0 || !m_manager)
        return;
    auto *dialog = new OtnSelectTsDialog(this, m_port, m_tpCount, m_tsCount, m_stage,
                                         stageEntry(PID::Otn::RX::MAIN_TP, m_stage), mainTsId);
    dialog->setOdtuName(m_odtuName);
    m_manager->executeQzelDialog(dialog);
    delete dialog;
}
