#pragma once

#include <QDialog>

#include "host/hostexport.h"

// Dialog whose modal run goes through the dialog runner, so tests can drive it.
class ZELBASE_EXPORT QzelDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QzelDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());

    int exec() override;
    // Removes the window's context-help button.
    void removeContextHelpButton();
};
