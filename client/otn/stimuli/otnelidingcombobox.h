#pragma once

#include <QComboBox>

#include "client/otn/otnexport.h"

// A combo box narrower than its longest entries: the closed box ends a text that does not fit with an
// ellipsis instead of cutting it; the list shows every entry whole.
class ZELOTN_EXPORT OtnElidingComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit OtnElidingComboBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
