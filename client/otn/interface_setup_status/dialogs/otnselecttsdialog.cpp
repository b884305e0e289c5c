#include "otnselecttsdialog.h"
#include "ui_otnselecttsdialog.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_number.h"
#include "host/bindings/uihelper_setter.h"
#include "host/bindings/uihelperlist.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/texts/widgettext.h"
#include "otnchwidget.h"
#include "otntsmap.h"

namespace {
constexpr int textMainTs = 5099;
constexpr int textMainTp = 5101;
constexpr int maxLabelColumns = 20;
constexpr int maxGridColumns = 8;
constexpr int labelSize = 20;
constexpr int labelFontPixels = 12;
const char chosenStyle[] = "QFrame { border: 1px solid black; background-color: white; }";
const char emptyStyle[] = "QFrame { border: 1px solid black; background-color: gray; }";
} // namespace

OtnSelectTsDialog::OtnSelectTsDialog(ZelDialog *channelDialog, int port, int tpCount, int tsCount, int stage,
                                     int mainTpId, int mainTsId)
    : ZelDialog(channelDialog, channelDialog ? channelDialog->serverManager() : nullptr, true),
      ui(std::make_unique<Ui::OtnSelectTsDialog>()),
      m_helpers(std::make_unique<UiHelperList>()),
      m_port(port),
      m_tpCount(qMax(0, tpCount)),
      m_tsCount(qMax(0, tsCount)),
      m_stage(stage),
      m_mainTpId(mainTpId),
      m_mainTsId(mainTsId)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbSelectedTs);

    // The selection shows through the checked state, not through the set and clear colours.
    m_grid = new OtnChWidget(m_tsCount, qMin(m_tsCount, maxGridColumns), true, false, false, true, m_tpCount, this);
    m_grid->setObjectName(QStringLiteral("tsGrid"));
    m_grid->setStyleSheets(QString(), QString());
    ui->vLayoutSelected->addWidget(m_grid);
    connect(m_grid, &OtnChWidget::cellClicked, this, &OtnSelectTsDialog::clickedTs);

    buildLabels();

    zelServerManager *manager = serverManager();
    if (m_mainTpId != 0) {
        const int sid = nsSID::otnSid(m_port, m_mainTpId);
        m_helpers->AddUiHelper(std::make_unique<UiHelper_Number>(manager, ui->pbMainTp, ui->lblMainTp, nullptr, sid,
                                                                 UiHelper::ConnectImmediately));
        m_mainTpSetter = m_helpers->AddUiHelper(
            std::make_unique<UiHelper_Setter>(manager, nullptr, sid, UiHelper::ConnectImmediately));
    }
    if (m_mainTsId != 0) {
        m_mainTsSetter = m_helpers->AddUiHelper(std::make_unique<UiHelper_Setter>(
            manager, nullptr, nsSID::otnSid(m_port, m_mainTsId), UiHelper::ConnectImmediately));
    }

    const QcmaParameter *mainTp = m_mainTpSetter ? m_mainTpSetter->QcmaParameter_Get() : nullptr;
    const bool mainTpDefined = mainTp && mainTp->isDefined();
    ui->lblMainTp->setVisible(mainTpDefined);
    ui->pbMainTp->setVisible(mainTpDefined);

    // The server's choice is clicked in like the user's: a complete one is written back in ascending
    // order, an incomplete one leaves Close disabled.
    if (QPushButton *close = closeButton())
        close->setEnabled(false);
    const QcmaParameter *mainTs = m_mainTsSetter ? m_mainTsSetter->QcmaParameter_Get() : nullptr;
    const QByteArray current = (mainTs && mainTs->isDefined()) ? mainTs->getByteArray() : QByteArray();
    for (int i = 0; i < m_tpCount && i < current.size(); ++i)
        clickedTs(int(quint8(current.at(i))) - 1);

    const WidgetText texts = this->texts();
    ui->lblMainTp->setText(texts.getUiText(textMainTp, 0));
    ui->lblMainTs->setText(texts.getUiText(textMainTs, 0));

    connect(ui->pbAllOff, &QPushButton::clicked, this, &OtnSelectTsDialog::clickedAllOff);
    setHelpPage(QStringLiteral("otn_select_ts_dialog.html"));
}

OtnSelectTsDialog::~OtnSelectTsDialog() = default;

void OtnSelectTsDialog::setOdtuName(const QString &name)
{
    m_odtuName = name;
    setWindowTitle(name + QStringLiteral(" TP/TS Select"));
}

QPushButton *OtnSelectTsDialog::closeButton() const
{
    return ui->bbSelectedTs->button(QDialogButtonBox::Close);
}

void OtnSelectTsDialog::buildLabels()
{
    const int columns = qMax(1, qMin(m_tpCount, maxLabelColumns));
    QFont font = this->font();
    font.setPixelSize(labelFontPixels);
    for (int i = 0; i < m_tpCount; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblChosenTs%1").arg(i));
        label->setFixedSize(labelSize, labelSize);
        label->setFont(font);
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        ui->gLayoutSelectedTs->addWidget(label, i / columns, i % columns);
        m_labels.append(label);
    }
    resetLabels();
}

void OtnSelectTsDialog::resetLabels()
{
    for (QLabel *label : qAsConst(m_labels)) {
        label->setText(QString::fromLatin1(OtnTsMap::emptyText));
        label->setStyleSheet(QString::fromLatin1(emptyStyle));
    }
}

void OtnSelectTsDialog::clickedTs(int index)
{
    if (index < 0 || index >= m_grid->cellCount()) {
        qCWarning(lcOtnChannel) << "TS selection: cell" << index << "outside the" << m_grid->cellCount() << "TS";
        return;
    }
    const bool newState = !m_grid->cellState(index);
    if (newState) {
        if (m_tpCount == 1)
            m_grid->setAllCells(false);
        else if (m_grid->setCellCount() >= m_tpCount)
            return;
    }
    m_grid->setCellState(index, newState);

    resetLabels();
    const QByteArray bytes = m_grid->setCellBytes();
    for (int i = 0; i < bytes.size() && i < m_labels.size(); ++i) {
        m_labels.at(i)->setText(QString::number(quint8(bytes.at(i))));
        m_labels.at(i)->setStyleSheet(QString::fromLatin1(chosenStyle));
    }

    const bool complete = bytes.size() == m_tpCount;
    if (QPushButton *close = closeButton())
        close->setEnabled(complete);
    if (!complete || !m_mainTsSetter)
        return;
    QcmaParameterByteArray value(nsSID::otnSid(m_port, m_mainTsId), bytes);
    m_mainTsSetter->setParameter(&value);
}

void OtnSelectTsDialog::clickedAllOff()
{
    m_grid->setAllCells(false);
    resetLabels();
    if (QPushButton *close = closeButton())
        close->setEnabled(false);
}
