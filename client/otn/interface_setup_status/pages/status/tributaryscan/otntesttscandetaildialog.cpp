#include "otntesttscandetaildialog.h"
#include "ui_otntesttscandetaildialog.h"

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/pages/dialogsetup.h"

OtnTestTScanDetailDialog::OtnTestTScanDetailDialog(zelServerManager *manager, int port, QWidget *parent)
    : UiHelperDialog(manager, parent, 0), ui(std::make_unique<Ui::OtnTestTScanDetailDialog>()), m_port(port)
{
    ui->setupUi(this);
    // The box's Close closes through SetButtons; the set-up step names it from the common texts.
    DialogSetup::prepareDialog(this, texts(), ui->bbTScan, DialogSetup::ComboDelegates);
    SetButtons(ui->bbTScan);
    setHelpPage(QStringLiteral("otn_tributary_scan.html"));
}

OtnTestTScanDetailDialog::~OtnTestTScanDetailDialog() = default;

void OtnTestTScanDetailDialog::setMapping(const OtnMapping &mapping)
{
    m_mapping.init();
    for (int field = OtnMapping::FieldInterface; field <= OtnMapping::FieldStage1; ++field)
        m_mapping.setValue(field, mapping[field]);
    m_oduNames = m_mapping.getOduNames();
    updateSelected();
}

void OtnTestTScanDetailDialog::setChannel(int level, int channel)
{
    if (level < 0 || level >= OtnTScanLevels::levelCount)
        return;
    m_channels[level] = channel;
    updateSelected();
}

void OtnTestTScanDetailDialog::setResult(quint32 word)
{
    ui->lblAlarmsAndErrorsContents->setText(OtnTScanLevels::alarmNames(word).join(QStringLiteral(", ")));
}

QString OtnTestTScanDetailDialog::selectedText() const
{
    return ui->lblSelectedContents->text();
}

QString OtnTestTScanDetailDialog::alarmsText() const
{
    return ui->lblAlarmsAndErrorsContents->text();
}

void OtnTestTScanDetailDialog::updateSelected()
{
    QString text = texts().getValueName(nsSID::otnSid(m_port, PID::Otn::RX::MAPPING[OtnMapping::FieldInterface]),
                                        m_mapping[OtnMapping::FieldInterface], terminology());
    for (int k = 1; k < m_oduNames.size() && k < OtnTScanLevels::levelCount; ++k) {
        if (m_channels[k] != 0)
            text += QStringLiteral(" - %1 #%2").arg(m_oduNames.at(k)).arg(m_channels[k]);
    }
    ui->lblSelectedContents->setText(text);
}
