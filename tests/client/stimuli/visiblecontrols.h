#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QStringList>

// The named labels, combo boxes and buttons of a panel a user would see with it, sorted; lane toggles
// left out.
inline QStringList visibleControls(const QWidget *panel)
{
    QStringList names;
    for (const QWidget *widget : panel->findChildren<QWidget *>()) {
        const bool control = qobject_cast<const QLabel *>(widget) || qobject_cast<const QComboBox *>(widget)
                             || qobject_cast<const QAbstractButton *>(widget);
        const QString name = widget->objectName();
        if (control && !name.isEmpty() && !name.startsWith(QLatin1String("pbLane")) && widget->isVisibleTo(panel))
            names << name;
    }
    names.sort();
    return names;
}
