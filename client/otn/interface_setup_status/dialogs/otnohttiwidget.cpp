#include "otnohttiwidget.h"
#include "ui_otnohttiwidget.h"

#include "client/otn/components/otnohtext.h"
#include "client/otn/components/otnttilayout.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/texts/widgettext.h"
#include "otnohfieldeditor.h"

namespace {
constexpr int textOperatorSpecific = 5111;

QString uiText(int number)
{
    return WidgetText().getUiText(number, 0);
}
} // namespace

OtnOhTtiWidget::OtnOhTtiWidget(QWidget *parent, bool structured)
    : QWidget(parent), ui(std::make_unique<Ui::OtnOhTtiWidget>()), m_tti(OtnTti::messageLength, '\0'),
      m_structured(structured)
{
    ui->setupUi(this);
    installComboDelegates(this);
    connect(ui->pbSapiIs, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedSapiIs);
    connect(ui->pbSapiNs, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedSapiNs);
    connect(ui->pbDapiIs, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedDapiIs);
    connect(ui->pbDapiNs, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedDapiNs);
    connect(ui->pbOpe, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedOpe);
    connect(ui->pbOpe64, &QPushButton::clicked, this, &OtnOhTtiWidget::clickedOpe64);
    showLayout();
}

OtnOhTtiWidget::~OtnOhTtiWidget() = default;

QSize OtnOhTtiWidget::minimumSizeHint() const
{
    return ui->verticalLayout->sizeHint().boundedTo(ui->verticalLayoutWidget_2->size());
}

void OtnOhTtiWidget::setTti(const QByteArray &tti)
{
    m_tti = fieldBytes(tti, OtnTti::whole);
    showLayout();
    if (!m_structured)
        return;
    ui->lblOpe->setText(uiText(textOperatorSpecific));
    showField(ui->pbSapiIs, OtnTti::sapiIs);
    showField(ui->pbSapiNs, OtnTti::sapiNs);
    showField(ui->pbDapiIs, OtnTti::dapiIs);
    showField(ui->pbDapiNs, OtnTti::dapiNs);
}

void OtnOhTtiWidget::clickedSapiIs()
{
    editText(ui->pbSapiIs, OtnTti::sapiIs);
}

void OtnOhTtiWidget::clickedSapiNs()
{
    editText(ui->pbSapiNs, OtnTti::sapiNs);
}

void OtnOhTtiWidget::clickedDapiIs()
{
    editText(ui->pbDapiIs, OtnTti::dapiIs);
}

void OtnOhTtiWidget::clickedDapiNs()
{
    editText(ui->pbDapiNs, OtnTti::dapiNs);
}

void OtnOhTtiWidget::clickedOpe()
{
    OtnOhFieldEditor::editHex(this, m_tti, OtnTti::operatorSpecific);
}

void OtnOhTtiWidget::clickedOpe64()
{
    OtnOhFieldEditor::editHex(this, m_tti, OtnTti::whole);
}

void OtnOhTtiWidget::showLayout()
{
    QWidget *const structuredWidgets[] = {ui->lblSapiIs, ui->lblSapiNs, ui->lblSapi, ui->lblDapi, ui->pbSapiIs,
                                          ui->pbSapiNs,  ui->pbDapiIs,  ui->pbDapiNs, ui->lblOpe, ui->pbOpe};
    for (QWidget *widget : structuredWidgets)
        widget->setVisible(m_structured);
    ui->pbOpe64->setVisible(!m_structured);
}

void OtnOhTtiWidget::editText(QPushButton *button, OtnOhField field)
{
    if (OtnOhFieldEditor::editText(button, m_tti, field))
        showField(button, field);
}

// Every byte of the field shows, a non-printable one as ".".
void OtnOhTtiWidget::showField(QPushButton *button, OtnOhField field)
{
    button->setText(escapeMnemonic(bytesToPrintable(fieldBytes(m_tti, field), field.length)));
}
