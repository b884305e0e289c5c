#include "otnohftflwidget.h"
#include "ui_otnohftflwidget.h"

#include "client/otn/components/otnftfllayout.h"
#include "client/otn/components/otnohtext.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "host/texts/widgettext.h"
#include "otnohfieldeditor.h"

namespace {
constexpr int textOperatorSpecific = 5111;
constexpr int codeCount = 256;

QString uiText(int number)
{
    return WidgetText().getUiText(number, 0);
}
} // namespace

OtnOhFtflWidget::OtnOhFtflWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::OtnOhFtflWidget>()), m_half(OtnFtfl::halfLength, '\0')
{
    ui->setupUi(this);
    // The item index is the code.
    ui->cmbFif->clear();
    for (int code = 0; code < codeCount; ++code)
        ui->cmbFif->addItem(faultIndicationText(code));
    installComboDelegates(this);
    connect(ui->cmbFif, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OtnOhFtflWidget::currentIndexChangedFif);
    connect(ui->pbOifCc, &QPushButton::clicked, this, &OtnOhFtflWidget::clickedOifCc);
    connect(ui->pbOifNsc, &QPushButton::clicked, this, &OtnOhFtflWidget::clickedOifNsc);
    connect(ui->pbOpe, &QPushButton::clicked, this, &OtnOhFtflWidget::clickedOpe);
}

OtnOhFtflWidget::~OtnOhFtflWidget() = default;

void OtnOhFtflWidget::setFtflHalf(const QByteArray &half)
{
    m_half = fieldBytes(half, {0, OtnFtfl::halfLength});
    ui->cmbFif->setCurrentIndex(quint8(m_half.at(OtnFtfl::fif.start)));
    showField(ui->pbOifCc, OtnFtfl::oifCc);
    showField(ui->pbOifNsc, OtnFtfl::oifNsc);
    ui->lblOpe->setText(uiText(textOperatorSpecific));
}

void OtnOhFtflWidget::currentIndexChangedFif(int index)
{
    if (index >= 0 && index < codeCount)
        m_half[OtnFtfl::fif.start] = char(index);
}

void OtnOhFtflWidget::clickedOifCc()
{
    editText(ui->pbOifCc, OtnFtfl::oifCc);
}

void OtnOhFtflWidget::clickedOifNsc()
{
    editText(ui->pbOifNsc, OtnFtfl::oifNsc);
}

void OtnOhFtflWidget::clickedOpe()
{
    OtnOhFieldEditor::editHex(this, m_half, OtnFtfl::operatorSpecific);
}

void OtnOhFtflWidget::editText(QPushButton *button, OtnOhField field)
{
    if (OtnOhFieldEditor::editText(button, m_half, field))
        showField(button, field);
}

// Unlike the TTI buttons, the text ends at the field's first zero byte.
void OtnOhFtflWidget::showField(QPushButton *button, OtnOhField field)
{
    const QString text = textBeforeZero(fieldBytes(m_half, field));
    button->setText(escapeMnemonic(maskNonPrintable(text)));
}
