#include "otnohttidialog.h"

#include <QComboBox>

#include "host/texts/widgettext.h"
#include "otnohttiwidget.h"

OtnOhTtiDialog::OtnOhTtiDialog(const OtnMapping &mapping, int otlcSliceSelector, QWidget *parent)
    : ZelDialog(parent, nullptr, true), m_mapping(mapping), m_otlcSliceSelector(otlcSliceSelector)
{
    removeContextHelpButton();
}

OtnOhTtiDialog::~OtnOhTtiDialog() = default;

void OtnOhTtiDialog::setTtiWidget(QWidget *widget)
{
    m_ttiWidget = qobject_cast<OtnOhTtiWidget *>(widget);
    m_givenTti = m_ttiWidget ? m_ttiWidget->tti() : QByteArray();
    // The widget sits in its placeholder without a layout: the placeholder keeps room for its fields.
    if (QWidget *room = m_ttiWidget ? m_ttiWidget->parentWidget() : nullptr)
        room->setMinimumSize(room->minimumSize().expandedTo(m_ttiWidget->minimumSizeHint()));
}

void OtnOhTtiDialog::setOhName(const QString &name)
{
    m_ohName = name;
    updateTitle();
}

void OtnOhTtiDialog::setTti(const QByteArray &tti)
{
    if (!m_ttiWidget)
        return;
    m_ttiWidget->setTti(tti);
    m_givenTti = m_ttiWidget->tti();
}

QByteArray OtnOhTtiDialog::tti() const
{
    return m_ttiWidget ? m_ttiWidget->tti() : QByteArray();
}

void OtnOhTtiDialog::setThirdByte(quint8 byte)
{
    applyThirdByte(byte);
    m_givenThirdByte = collectThirdByte();
}

quint8 OtnOhTtiDialog::thirdByte() const
{
    return collectThirdByte();
}

void OtnOhTtiDialog::done(int result)
{
    if (result != QDialog::Accepted) {
        if (m_ttiWidget)
            m_ttiWidget->setTti(m_givenTti);
        applyThirdByte(m_givenThirdByte);
    }
    ZelDialog::done(result);
}

void OtnOhTtiDialog::splitIntoCombos(quint8 byte, const BitGroups &groups)
{
    for (const BitGroup &group : groups) {
        if (group.combo)
            group.combo->setCurrentIndex((byte >> group.shift) & ((1 << group.width) - 1));
    }
}

quint8 OtnOhTtiDialog::joinFromCombos(const BitGroups &groups)
{
    uint byte = 0;
    for (const BitGroup &group : groups) {
        if (group.combo)
            byte |= (uint(qMax(0, group.combo->currentIndex())) & ((1u << group.width) - 1)) << group.shift;
    }
    return quint8(byte);
}

QStringList OtnOhTtiDialog::binaryItems(int width)
{
    QStringList items;
    for (int value = 0; value < (1 << width); ++value)
        items.append(QStringLiteral("%1").arg(value, width, 2, QLatin1Char('0')));
    return items;
}

QString OtnOhTtiDialog::uiText(int number)
{
    return WidgetText().getUiText(number, 0);
}
