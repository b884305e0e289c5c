#include "otncaptureftfldialog.h"
#include "ui_otncaptureftfldialog.h"

#include <QVBoxLayout>

#include "client/otn/components/otnftfllayout.h"
#include "host/pages/dialogsetup.h"
#include "otncaptureftflwidget.h"

namespace {

constexpr int uiTextForward = 5107;
constexpr int uiTextBackward = 5108;

} // namespace

OtnCaptureFtflDialog::OtnCaptureFtflDialog(QWidget *parent)
    : ZelDialog(parent, nullptr, true), ui(std::make_unique<Ui::OtnCaptureFtflDialog>()),
      m_ftfl(OtnFtfl::messageLength, '\0')
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbCapture, DialogSetup::ComboDelegates);
    m_widget = new OtnCaptureFtflWidget(ui->widgetFtfi);
    auto *layout = new QVBoxLayout(ui->widgetFtfi);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_widget);
    connect(ui->tabTrace, &QTabBar::currentChanged, this, &OtnCaptureFtflDialog::changed_data);
    ui->tabTrace->addTab(texts().getUiText(uiTextForward, 0));
    ui->tabTrace->addTab(texts().getUiText(uiTextBackward, 0));
    connect(ui->bbCapture, &QDialogButtonBox::rejected, this, &QWidget::close);
    setHelpPage(QStringLiteral("otn_ohcapture.html"));
}

OtnCaptureFtflDialog::~OtnCaptureFtflDialog() = default;

void OtnCaptureFtflDialog::setFtfl(const QByteArray &ftfl)
{
    m_ftfl = ftfl;
    changed_data(m_tab);
}

void OtnCaptureFtflDialog::changed_data(int tab)
{
    m_tab = tab;
    const OtnOhField half{tab == 0 ? OtnFtfl::forwardStart : OtnFtfl::backwardStart, OtnFtfl::halfLength};
    m_widget->setFtflHalf(fieldBytes(m_ftfl, half));
}
