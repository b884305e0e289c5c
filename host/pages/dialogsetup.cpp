#include "dialogsetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "host/texts/widgettext.h"
#include "host/widgets/qzeldialog.h"

namespace {

// Common text of each standard button the tester's dialogs show.
constexpr struct {
    QDialogButtonBox::StandardButton button;
    int commonText;
} buttonTexts[] = {
    {QDialogButtonBox::Close, 2004},
    {QDialogButtonBox::Ok, 2005},
    {QDialogButtonBox::Cancel, 2006},
    {QDialogButtonBox::Apply, 2007},
    {QDialogButtonBox::RestoreDefaults, 2015},
};

} // namespace

void DialogSetup::prepareDialog(QzelDialog *dialog, const WidgetText &texts, QDialogButtonBox *buttons, Steps steps)
{
    if (!dialog)
        return;
    dialog->removeContextHelpButton();
    if (buttons) {
        for (const auto &entry : buttonTexts) {
            if (QPushButton *button = buttons->button(entry.button))
                button->setText(texts.getCommonText(entry.commonText));
        }
    }
    if (steps.testFlag(ComboDelegates))
        installComboDelegates(dialog);
    if (!buttons)
        return;
    if (steps.testFlag(CloseOnAccepted))
        QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept, Qt::UniqueConnection);
    if (steps.testFlag(CloseOnRejected))
        QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject, Qt::UniqueConnection);
}

void DialogSetup::installComboDelegates(QWidget *root)
{
    if (!root)
        return;
    const QList<QComboBox *> combos = root->findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        if (!qobject_cast<QStyledItemDelegate *>(combo->itemDelegate()))
            combo->setItemDelegate(new QStyledItemDelegate(combo));
    }
}
