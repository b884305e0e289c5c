#pragma once

#include <memory>

#include <QByteArray>
#include <QWidget>

#include "client/otn/otnexport.h"

class OtnCaptureFtflDialog;
class OtnCaptureTtiDialog;
class OtnMapping;
class QPushButton;
class zelServerManager;

namespace Ui {
class OtnCaptureOhWidget;
}

// One captured frame's overhead (4 rows x 16 columns) as a table labelled for the level shown, with the
// payload type below it. Buttons on the SM, PM, TCM and FTFL fields open the views that decode the
// captured messages; an open view follows each new capture.
class ZELOTN_EXPORT OtnCaptureOhWidget : public QWidget
{
    Q_OBJECT
public:
    static constexpr int columns = 16;
    static constexpr int rows = 8;   // a label row above each of the four overhead rows

    OtnCaptureOhWidget(QWidget *parent, zelServerManager *manager);
    ~OtnCaptureOhWidget() override;

    // Labels and buttons of a level of the structure; selector is the OTL slice of an OTLC interface.
    void setLevel(int level, const OtnMapping &mapping, int selector);
    // The 64 overhead bytes (row-major) and PSI[0].
    void showOverhead(const QByteArray &overhead, quint8 payloadType);
    void setCaptureRecord(const QByteArray &record);
    QByteArray captureRecord() const { return m_record; }
    // 0 shows the TTI messages structured (SAPI and DAPI segments), any other value raw.
    void setTtiEncoding(int value);
    bool isTtiStructured() const { return m_structured; }

    // The capture item whose view is open, -1 when none is.
    int openItem() const { return m_ttiDialog || m_ftflDialog ? m_openItem : -1; }

    // The kind of OPU overhead (justification and PSI columns) of a level of the structure, 0-4: a row of
    // the OPU label table.
    static int opuKind(const OtnMapping &mapping, int level);

public slots:
    void clicked_sm_tti();
    void clicked_pm_tti();
    void clicked_tcm1_tti();
    void clicked_tcm2_tti();
    void clicked_tcm3_tti();
    void clicked_tcm4_tti();
    void clicked_tcm5_tti();
    void clicked_tcm6_tti();
    void clicked_ftfl();

private:
    void setupTable();
    void applyLabels(int level, const OtnMapping &mapping, int selector);
    void setLabel(int row, int column, int span, const QString &text, int fontPixels = 12);
    void placeButton(int item, bool present);
    void openCapture(int item);

    std::unique_ptr<Ui::OtnCaptureOhWidget> ui;
    zelServerManager *m_manager = nullptr;
    QByteArray m_record;
    bool m_structured = true;
    int m_openItem = -1;
    OtnCaptureTtiDialog *m_ttiDialog = nullptr;
    OtnCaptureFtflDialog *m_ftflDialog = nullptr;
};
