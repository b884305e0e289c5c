#pragma once

#include <memory>

#include <QByteArray>
#include <QWidget>

#include "client/otn/components/otnohfield.h"
#include "client/otn/otnexport.h"

class QPushButton;

namespace Ui {
class OtnOhFtflWidget;
}

// Edits one 128-byte half of the FTFL message: the fault indication code, the operator identifier
// (country code and national segment code texts) and the 118 operator-specific bytes.
class ZELOTN_EXPORT OtnOhFtflWidget : public QWidget
{
    Q_OBJECT
public:
    explicit OtnOhFtflWidget(QWidget *parent = nullptr);
    ~OtnOhFtflWidget() override;

    // Takes the half (cut or zero-filled to 128 bytes) and shows it.
    void setFtflHalf(const QByteArray &half);
    QByteArray ftflHalf() const { return m_half; }

public slots:
    void currentIndexChangedFif(int index);
    void clickedOifCc();
    void clickedOifNsc();
    void clickedOpe();

private:
    void editText(QPushButton *button, OtnOhField field);
    void showField(QPushButton *button, OtnOhField field);

    std::unique_ptr<Ui::OtnOhFtflWidget> ui;
    QByteArray m_half;
};
