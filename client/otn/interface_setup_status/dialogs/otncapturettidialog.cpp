#include "otncapturettidialog.h"
#include "ui_otncapturettidialog.h"

#include "client/otn/components/capturedumpwidget.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/otnttilayout.h"
#include "host/pages/dialogsetup.h"

namespace {

constexpr int structuredCellsPerRow = 8;
constexpr int rawCellsPerRow = 16;

QString fieldText(const QByteArray &tti, OtnOhField field)
{
    return bytesToPrintable(fieldBytes(tti, field), field.length);
}

} // namespace

OtnCaptureTtiDialog::OtnCaptureTtiDialog(QWidget *parent, bool structured)
    : ZelDialog(parent, nullptr, true), ui(std::make_unique<Ui::OtnCaptureTtiDialog>()), m_structured(structured)
{
    ui->setupUi(this);
    DialogSetup::prepareDialog(this, texts(), ui->bbCapture, DialogSetup::ComboDelegates);
    connect(ui->cmbFormat, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnCaptureTtiDialog::formatChanged);
    m_dump = CaptureDumpWidget::createIn(ui->widgetDump, structured ? structuredCellsPerRow : rawCellsPerRow);
    CaptureDumpWidget::fillFormatChoice(ui->cmbFormat, texts());
    connect(ui->bbCapture, &QDialogButtonBox::rejected, this, &QWidget::close);
    setHelpPage(QStringLiteral("otn_ohcapture.html"));
}

OtnCaptureTtiDialog::~OtnCaptureTtiDialog() = default;

void OtnCaptureTtiDialog::setTti(const QByteArray &tti)
{
    for (QWidget *label : {ui->lblIs, ui->lblNs, ui->lblSapi, ui->lblDapi, ui->lblSapiIs, ui->lblSapiNs,
                           ui->lblDapiIs, ui->lblDapiNs})
        label->setVisible(m_structured);
    if (!m_structured) {
        m_dump->showBytes(fieldBytes(tti, OtnTti::whole));
        return;
    }
    ui->lblSapiIs->setText(fieldText(tti, OtnTti::sapiIs));
    ui->lblSapiNs->setText(fieldText(tti, OtnTti::sapiNs));
    ui->lblDapiIs->setText(fieldText(tti, OtnTti::dapiIs));
    ui->lblDapiNs->setText(fieldText(tti, OtnTti::dapiNs));
    m_dump->showBytes(fieldBytes(tti, OtnTti::operatorSpecific));
}

void OtnCaptureTtiDialog::formatChanged(int index)
{
    // -1 only while the choice is being refilled.
    if (index >= 0)
        m_dump->setFormat(index);
}
