#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include "client/otn/otnexport.h"
#include "host/otn/otnmapping.h"
#include "host/pages/zeldialog.h"

class OtnOhTtiWidget;
class QComboBox;

// Base of the dialogs that edit one overhead field carrying a TTI message and a third byte of status
// bits (PM, SM, TCMi). A subclass builds its form, puts an OtnOhTtiWidget into it and registers it, and
// says how the third byte maps onto its combos and what the title reads.
// Only an accepted dialog hands back what the user changed: after a cancel, tti() and thirdByte() read
// the values the dialog was given.
class ZELOTN_EXPORT OtnOhTtiDialog : public ZelDialog
{
    Q_OBJECT
public:
    OtnOhTtiDialog(const OtnMapping &mapping, int otlcSliceSelector, QWidget *parent = nullptr);
    ~OtnOhTtiDialog() override;

    // Null unless the widget is an OtnOhTtiWidget.
    void setTtiWidget(QWidget *widget);
    OtnOhTtiWidget *ttiWidget() const { return m_ttiWidget; }

    // The ODU/OTU index the title shows, for example "2" or "flex".
    void setOhName(const QString &name);
    QString ohName() const { return m_ohName; }

    void setTti(const QByteArray &tti);
    QByteArray tti() const;
    void setThirdByte(quint8 byte);
    quint8 thirdByte() const;

    const OtnMapping &mapping() const { return m_mapping; }
    int otlcSliceSelector() const { return m_otlcSliceSelector; }

    void done(int result) override;

protected:
    virtual void updateTitle() = 0;
    virtual void applyThirdByte(quint8 byte) = 0;
    virtual quint8 collectThirdByte() const = 0;

    // A run of bits of the third byte shown in a combo whose item index is the run's binary value.
    struct BitGroup {
        QComboBox *combo;
        int shift;   // from the least significant bit
        int width;
    };
    using BitGroups = QVector<BitGroup>;
    // Each group's bits as its combo's index, and back; bits outside every group read 0.
    static void splitIntoCombos(quint8 byte, const BitGroups &groups);
    static quint8 joinFromCombos(const BitGroups &groups);
    // Every value of the width as zero-filled binary digits: "00", "01", "10", "11" for width 2.
    static QStringList binaryItems(int width);
    // The one place where these dialogs read the host's UI texts.
    static QString uiText(int number);

private:
    OtnOhTtiWidget *m_ttiWidget = nullptr;
    QString m_ohName;
    OtnMapping m_mapping;
    int m_otlcSliceSelector = 0;
    QByteArray m_givenTti;
    quint8 m_givenThirdByte = 0;
};
