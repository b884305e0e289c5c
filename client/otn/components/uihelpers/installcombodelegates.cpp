#include "installcombodelegates.h"

#include <QComboBox>
#include <QStyledItemDelegate>

void installComboDelegates(QWidget *root)
{
    if (!root)
        return;
    const QList<QComboBox *> combos = root->findChildren<QComboBox *>();
    for (QComboBox *combo : combos) {
        if (!qobject_cast<QStyledItemDelegate *>(combo->itemDelegate()))
            combo->setItemDelegate(new QStyledItemDelegate(combo));
    }
}
