#include "otncaptureftflwidget.h"
#include "ui_otncaptureftflwidget.h"

#include "client/otn/components/capturedumpwidget.h"
#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/texts/widgettext.h"

namespace {

constexpr int cellsPerRow = 12;

} // namespace

OtnCaptureFtflWidget::OtnCaptureFtflWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::OtnCaptureFtflWidget>())
{
    ui->setupUi(this);
    installComboDelegates(this);
    connect(ui->cmbFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnCaptureFtflWidget::formatChanged);
    m_dump = CaptureDumpWidget::createIn(ui->widgetDump, cellsPerRow);
    CaptureDumpWidget::fillFormatChoice(ui->cmbFormat, WidgetText());
}

OtnCaptureFtflWidget::~OtnCaptureFtflWidget() = default;

void OtnCaptureFtflWidget::setFtflHalf(const QByteArray &half)
{
    ui->lblFifValue->setText(faultIndicationText(quint8(fieldBytes(half, OtnFtfl::fif).at(0))));
    ui->lblOifCc->setText(bytesToPrintable(fieldBytes(half, OtnFtfl::oifCc), OtnFtfl::oifCc.length));
    ui->lblOifNsc->setText(bytesToPrintable(fieldBytes(half, OtnFtfl::oifNsc), OtnFtfl::oifNsc.length));
    m_dump->showBytes(fieldBytes(half, OtnFtfl::operatorSpecific));
}

void OtnCaptureFtflWidget::formatChanged(int index)
{
    // -1 only while the choice is being refilled.
    if (index >= 0)
        m_dump->setFormat(index);
}
