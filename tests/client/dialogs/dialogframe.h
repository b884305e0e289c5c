#pragma once

#include <QDialogButtonBox>
#include <QPair>
#include <QPushButton>
#include <QStringList>

#include "host/pages/zeldialog.h"
#include "host/texts/widgettext.h"

// What a dialog gets wrong of the frame all of them share: its help page, no context-help button, and the
// common texts on the buttons of its box. Empty when nothing is wrong.
inline QStringList dialogFrameFaults(const ZelDialog &dialog, const QString &helpPage, const char *boxName,
                                     const QList<QPair<QDialogButtonBox::StandardButton, int>> &buttonTexts)
{
    QStringList faults;
    if (dialog.helpPage() != helpPage)
        faults << QStringLiteral("help page \"%1\"").arg(dialog.helpPage());
    if (dialog.windowFlags() & Qt::WindowContextHelpButtonHint)
        faults << QStringLiteral("context-help button");
    const auto *box = dialog.findChild<QDialogButtonBox *>(QLatin1String(boxName));
    for (const auto &b : buttonTexts) {
        const QPushButton *button = box ? box->button(b.first) : nullptr;
        const QString text = dialog.texts().getCommonText(b.second);
        if (!button || button->text() != text)
            faults << QStringLiteral("button 0x%1 is not \"%2\"").arg(int(b.first), 0, 16).arg(text);
    }
    return faults;
}
