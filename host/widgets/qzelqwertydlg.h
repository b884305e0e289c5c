#pragma once

#include <memory>

#include "host/widgets/qzeldialog.h"

namespace Ui {
class QzelQwertyDlg;
}

// The on-screen keyboard: edits one line of text of at most maximumLength characters.
class ZELBASE_EXPORT QzelQwertyDlg : public QzelDialog
{
    Q_OBJECT
public:
    explicit QzelQwertyDlg(QWidget *parent = nullptr);
    ~QzelQwertyDlg() override;

    void setText(const QString &text);
    QString text() const;
    void setMaximumLength(int length);
    int maximumLength() const;
    bool isShifted() const;

private:
    void press(const QString &key);
    void updateKeyTexts();
    void updateLength();

    std::unique_ptr<Ui::QzelQwertyDlg> ui;
};
