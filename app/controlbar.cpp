#include "controlbar.h"

#include "ui_controlbar.h"

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_enum_combobox.h"
#include "host/bindings/uihelperlist.h"
#include "host/server/zelservermanager.h"

ControlBar::ControlBar(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ControlBar>()), m_helpers(std::make_unique<UiHelperList>())
{
    ui->setupUi(this);
    ui->cmbAccess->addItem(tr("Full access"), int(FullAccess));
    ui->cmbAccess->addItem(tr("Restricted"), int(RestrictedAccess));
    connect(ui->cmbPort, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ControlBar::portIndexChanged);
    connect(ui->cmbAccess, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &ControlBar::accessIndexChanged);
}

ControlBar::~ControlBar() = default;

void ControlBar::setup(zelServerManager *manager, const QList<int> &ports)
{
    if (m_manager)
        disconnect(m_manager, nullptr, this, nullptr);
    m_manager = manager;
    m_helpers->Clear();
    {
        const QSignalBlocker blocker(ui->cmbPort);
        ui->cmbPort->clear();
        for (int port : ports)
            ui->cmbPort->addItem(tr("Port %1").arg(port), port);
    }
    m_port = ports.isEmpty() ? 1 : ports.first();
    if (!manager)
        return;
    connect(manager, &zelServerManager::guiAccessStateChanged, this, &ControlBar::accessStateChanged);
    accessStateChanged(manager->getGUIAccessState());
    m_helpers->AddUiHelper(std::make_unique<UiHelper_Enum_ComboBox>(
        manager, ui->cmbTerminology, ui->lblTerminology, nullptr, nullptr, zelServerManager::terminologySid(m_port),
        UiHelper::ConnectImmediately));
}

int ControlBar::currentPort() const
{
    return m_port;
}

void ControlBar::setCurrentPort(int port)
{
    const int index = ui->cmbPort->findData(port);
    if (index >= 0)
        ui->cmbPort->setCurrentIndex(index);
}

void ControlBar::portIndexChanged(int index)
{
    const QVariant port = ui->cmbPort->itemData(index);
    if (!port.isValid() || port.toInt() == m_port)
        return;
    m_port = port.toInt();
    m_helpers->ChangePort(m_port);
    emit portChanged(m_port);
}

void ControlBar::accessIndexChanged(int index)
{
    if (m_manager && index >= 0)
        m_manager->setGUIAccessState(ui->cmbAccess->itemData(index).toInt());
}

void ControlBar::accessStateChanged(int state)
{
    const int index = ui->cmbAccess->findData(state);
    if (index >= 0 && index != ui->cmbAccess->currentIndex()) {
        const QSignalBlocker blocker(ui->cmbAccess);
        ui->cmbAccess->setCurrentIndex(index);
    }
}
