#include "otnmsimdetectiondialog.h"
#include "ui_otnmsimdetectiondialog.h"

#include "otnmsitable.h"

#include <QHeaderView>
#include <QStyle>
#include <QLoggingCategory>
#include <QPushButton>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_notification.h"
#include "host/bindings/uihelper_setter.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/otn/otntpts.h"
#include "host/pages/dialogsetup.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "host/texts/widgettext.h"

Q_LOGGING_CATEGORY(lcOtnMsim, "otn.testsetup.msim")

namespace {
constexpr int rowHeaderWidth = 60;
} // namespace

OtnMsimDetectionDialog::OtnMsimDetectionDialog(zelServerManager *manager, int port, QWidget *parent, int stage,
                                               const OtnMapping &mapping)
    : ZelDialog(parent, manager, true), ui(std::make_unique<Ui::OtnMsimDetectionDialog>()), m_port(port), m_stage(stage)
{
    ZEL_ASSERT(stage >= 0 && stage < OtnMapping::maxStages, QStringLiteral("stage = %1").arg(stage));
    if (m_stage < 0 || m_stage >= OtnMapping::maxStages)
        m_stage = 0;
    m_tsCount = int(OtnTpTs::getTpTsInfo(m_stage, mapping, 0).tsCount);

    ui->setupUi(this);
    QDialogButtonBox *box = ui->bbMsimDetection;
    // OK and Apply are handled here: both apply the settings, OK then closes the dialog.
    DialogSetup::prepareDialog(this, texts(), box, DialogSetup::ComboDelegates | DialogSetup::CloseOnRejected);
    connect(box->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, &OtnMsimDetectionDialog::okPressed,
            Qt::AutoConnection);
    connect(box->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &OtnMsimDetectionDialog::applyPressed, Qt::AutoConnection);
    prepareTable();
    setHelpPage(QStringLiteral("otn_msim_detection_dialog.html"));

    m_detectionSid = nsSID::otnSid(m_port, PID::Otn::MEASUREMENT::MSIM_DETECTION[m_stage]);
    m_referenceSid = nsSID::otnSid(m_port, PID::Otn::MEASUREMENT::MSIM_REFERENCE_DATA[m_stage]);
    fillSetupFollow();
    // Followed while the dialog is shown, like a page.
    m_detectionSetter = m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Setter>(manager, this, m_detectionSid, UiHelper::ConnectManually));
    m_helpers.AddUiHelper(
        std::make_unique<UiHelper_Notification>(manager, this, m_referenceSid, UiHelper::ConnectManually));
    setAccessState(manager ? manager->getGUIAccessState() : 0);
}

OtnMsimDetectionDialog::~OtnMsimDetectionDialog() = default;

void OtnMsimDetectionDialog::setOdtuName(const QString &name)
{
    m_odtuName = name;
    const QString title = texts().getUiText(4662);
    setWindowTitle(name.isEmpty() ? title : name + QLatin1Char(' ') + title);
}

void OtnMsimDetectionDialog::setAccessState(int state)
{
    m_helpers.SetGUIAccessState(state);
    const bool fullAccess = state == 0;
    ui->cmbSetupFollow->setEnabled(fullAccess);
    ui->bbMsimDetection->button(QDialogButtonBox::Ok)->setEnabled(fullAccess);
    ui->bbMsimDetection->button(QDialogButtonBox::Apply)->setEnabled(fullAccess);
}

void OtnMsimDetectionDialog::qcmaParameterChanged(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID();
    if (sid == m_detectionSid) {
        const int value = parameter.getEnum();
        if (!parameter.isDefined() || value < 0 || value >= ui->cmbSetupFollow->count()) {
            qCWarning(lcOtnMsim) << "No Setup Follow choice for value" << value << "of stage" << m_stage;
        } else {
            ui->cmbSetupFollow->setCurrentIndex(value);
        }
    } else if (sid == m_referenceSid) {
        if (parameter.getType() != QcmaParameter::TypeByteArray)
            qCWarning(lcOtnMsim) << "MSI reference data of stage" << m_stage << "is not a byte array";
        m_expectedMsi = parameter.isDefined() ? parameter.getByteArray() : QByteArray();
    } else {
        return;
    }
    rebuildTable();
}

void OtnMsimDetectionDialog::showEvent(QShowEvent *event)
{
    ZelDialog::showEvent(event);
    m_helpers.ConnectManual();
}

void OtnMsimDetectionDialog::hideEvent(QHideEvent *event)
{
    m_helpers.DisconnectManual();
    ZelDialog::hideEvent(event);
}

void OtnMsimDetectionDialog::okPressed()
{
    apply();
    accept();
}

void OtnMsimDetectionDialog::applyPressed()
{
    apply();
}

void OtnMsimDetectionDialog::prepareTable()
{
    QTableWidget *table = ui->tblMsiValue;
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setDragEnabled(false);
    table->setDragDropMode(QAbstractItemView::NoDragDrop);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->setColumnCount(OtnMsiTable::columns);
    QStringList headers;
    for (int column = 0; column < OtnMsiTable::columns; ++column)
        headers << QStringLiteral("+%1").arg(column);
    table->setHorizontalHeaderLabels(headers);
    rebuildTable();
}

void OtnMsimDetectionDialog::rebuildTable()
{
    QTableWidget *table = ui->tblMsiValue;
    const int rows = OtnMsiTable::rowCount(m_tsCount);
    table->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto *header = new QTableWidgetItem(OtnMsiTable::rowName(row));
        header->setTextAlignment(Qt::AlignCenter);
        table->setVerticalHeaderItem(row, header);
        for (int column = 0; column < OtnMsiTable::columns; ++column) {
            auto *item = new QTableWidgetItem(OtnMsiTable::cellText(m_expectedMsi, OtnMsiTable::columns * row + column));
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
            table->setItem(row, column, item);
        }
    }
    // The designed width, or what the widest row name needs in the current font.
    QHeaderView *names = table->verticalHeader();
    int widest = 0;
    for (int row = 0; row < rows; ++row)
        widest = qMax(widest, names->fontMetrics().horizontalAdvance(table->verticalHeaderItem(row)->text()));
    const int margins = 2 * names->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, names);
    names->setFixedWidth(qMax(rowHeaderWidth, widest + margins));
}

void OtnMsimDetectionDialog::fillSetupFollow()
{
    // The choices are the enumerators of the detection parameter; index i stands for value i.
    const zelServerManager *manager = serverManager();
    const ParameterDefinition *definition = manager ? manager->catalogue().findBySid(m_detectionSid) : nullptr;
    if (!definition) {
        qCWarning(lcOtnMsim) << "No definition of the MSIM detection parameter of stage" << m_stage;
        return;
    }
    const int terminology = manager->GetTerminology(m_port);
    int maximum = -1;
    for (const ParameterDefinition::Enumerator &e : definition->enumerators)
        maximum = qMax(maximum, e.value);
    const WidgetText texts = this->texts();
    for (int value = 0; value <= maximum; ++value)
        ui->cmbSetupFollow->addItem(texts.getValueName(m_detectionSid, value, terminology));
}

void OtnMsimDetectionDialog::apply()
{
    const int index = ui->cmbSetupFollow->currentIndex();
    if (!m_detectionSetter || index < 0) {
        qCWarning(lcOtnMsim) << "Nothing to apply for stage" << m_stage;
        return;
    }
    // Keep the range the server gave; without a value yet, the choices are the range.
    const QcmaParameter *current = m_detectionSetter->QcmaParameter_Get();
    const auto *currentEnum = (current && current->getType() == QcmaParameter::TypeEnum)
                                  ? static_cast<const QcmaParameterEnum *>(current)
                                  : nullptr;
    QcmaParameterEnum value(m_detectionSid, index, currentEnum ? currentEnum->minimum() : 0,
                            currentEnum ? currentEnum->maximum() : ui->cmbSetupFollow->count() - 1);
    m_detectionSetter->setParameter(&value);
}
