#include "uihelperdialog.h"

#include <QAbstractButton>
#include <QDialogButtonBox>

#include "host/bindings/uihelperlist.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

UiHelperDialog::UiHelperDialog(zelServerManager *manager, QWidget *parent, int terminology)
    : ZelDialog(parent, manager, true), m_helpers(std::make_unique<UiHelperList>()), m_terminology(terminology)
{
    m_helpers->enableParameterMap();
}

UiHelperDialog::~UiHelperDialog() = default;

void UiHelperDialog::SetButtons(QDialogButtonBox *buttons)
{
    if (!buttons)
        return;
    connect(buttons, &QDialogButtonBox::accepted, this, &UiHelperDialog::accept, Qt::UniqueConnection);
    connect(buttons, &QDialogButtonBox::rejected, this, &UiHelperDialog::reject, Qt::UniqueConnection);
    connect(buttons, &QDialogButtonBox::clicked, this, &UiHelperDialog::buttonClicked, Qt::UniqueConnection);
}

void UiHelperDialog::buttonClicked(QAbstractButton *button)
{
    auto *box = qobject_cast<QDialogButtonBox *>(sender());
    if (box && box->buttonRole(button) == QDialogButtonBox::ApplyRole)
        sendPendingValues();
}

void UiHelperDialog::sendPendingValues()
{
    if (!m_helpers)
        return;
    const QcmaParameterMap values = m_helpers->takePendingValues();
    if (!values.isEmpty() && serverManager())
        serverManager()->SetQcmaParameterList(values.parameters());
}

void UiHelperDialog::dropPendingValues()
{
    if (m_helpers)
        m_helpers->dropPendingValues();
}

void UiHelperDialog::accept()
{
    sendPendingValues();
    ZelDialog::accept();
}

void UiHelperDialog::reject()
{
    dropPendingValues();
    ZelDialog::reject();
}
