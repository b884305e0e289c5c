#include "otnohftfldialog.h"
#include "ui_otnohftfldialog.h"

#include "host/pages/dialogsetup.h"
#include "otnohftflwidget.h"

OtnOhFtflDialog::OtnOhFtflDialog(QWidget *parent)
    : ZelDialog(parent, nullptr, true), ui(std::make_unique<Ui::OtnOhFtflDialog>())
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbFtfl);
    m_forward = new OtnOhFtflWidget(ui->wdgForward);
    m_backward = new OtnOhFtflWidget(ui->wdgBackward);
    m_givenForward = m_forward->ftflHalf();
    m_givenBackward = m_backward->ftflHalf();
    setHelpPage(QStringLiteral("otn_overhead.html#otn_ftfl"));
}

OtnOhFtflDialog::~OtnOhFtflDialog() = default;

void OtnOhFtflDialog::setOhName(const QString &name)
{
    setWindowTitle(QStringLiteral("ODU") + name + QStringLiteral(" FTFL"));
}

void OtnOhFtflDialog::setFtflHalf(int direction, const QByteArray &half)
{
    OtnOhFtflWidget *widget = widgetOf(direction);
    widget->setFtflHalf(half);
    (direction == 0 ? m_givenForward : m_givenBackward) = widget->ftflHalf();
}

QByteArray OtnOhFtflDialog::ftflHalf(int direction) const
{
    return widgetOf(direction)->ftflHalf();
}

void OtnOhFtflDialog::done(int result)
{
    if (result != QDialog::Accepted) {
        m_forward->setFtflHalf(m_givenForward);
        m_backward->setFtflHalf(m_givenBackward);
    }
    ZelDialog::done(result);
}

OtnOhFtflWidget *OtnOhFtflDialog::widgetOf(int direction) const
{
    return direction == 0 ? m_forward : m_backward;
}
