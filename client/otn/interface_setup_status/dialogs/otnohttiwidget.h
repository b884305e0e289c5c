#pragma once

#include <memory>

#include <QByteArray>
#include <QWidget>

#include "client/otn/components/otnohfield.h"
#include "client/otn/otnexport.h"

class QPushButton;

namespace Ui {
class OtnOhTtiWidget;
}

// Edits one 64-byte TTI message: in the structured layout SAPI and DAPI as country code and national
// segment texts plus the 32 operator-specific bytes, in the raw layout all 64 bytes in one hex editor.
class ZELOTN_EXPORT OtnOhTtiWidget : public QWidget
{
    Q_OBJECT
public:
    // The layout (structured or raw) is fixed for the widget's life.
    OtnOhTtiWidget(QWidget *parent, bool structured);
    ~OtnOhTtiWidget() override;

    bool isStructured() const { return m_structured; }
    // Takes the message (cut or zero-filled to 64 bytes) and shows it in the widget's layout.
    void setTti(const QByteArray &tti);
    QByteArray tti() const { return m_tti; }

    // The room the fields take at the widget's top left corner; a dialog reserves it.
    QSize minimumSizeHint() const override;

public slots:
    void clickedSapiIs();
    void clickedSapiNs();
    void clickedDapiIs();
    void clickedDapiNs();
    void clickedOpe();
    void clickedOpe64();

private:
    // Structured: the SAPI/DAPI text fields and the operator-specific editor; raw: the 64-byte editor only.
    void showLayout();
    void editText(QPushButton *button, OtnOhField field);
    void showField(QPushButton *button, OtnOhField field);

    std::unique_ptr<Ui::OtnOhTtiWidget> ui;
    QByteArray m_tti;
    bool m_structured = true;
};
