#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

#include "client/otn/otnexport.h"
#include "host/pages/zeldialog.h"

class OtnChWidget;
class OtnMapping;
class QVBoxLayout;

namespace Ui {
class OtnCaptureTpTsDialog;
}

// The tributary ports in the tributary slots of one level: as the transmitter sets them up (Tx) and as the
// last capture of the receiver found them (Rx), side by side on the TS map of the channel dialogs.
class ZELOTN_EXPORT OtnCaptureTpTsDialog : public ZelDialog
{
    Q_OBJECT
public:
    explicit OtnCaptureTpTsDialog(QWidget *parent = nullptr);
    ~OtnCaptureTpTsDialog() override;

    // Title "<name> TP/TS".
    void setLevelName(const QString &name);
    // The Rx map sized for the TS of the level's stage in the received structure; without such a stage
    // there is none.
    void setRxMapSize(int level, const OtnMapping &received);
    // The Tx map of the level's stage: the transmitter's TP in each TS, the first TS of each TP marked.
    // mainTs holds the 1-based first TS of TP 1-80.
    void setTxMap(int level, const OtnMapping &transmitted, int copyStatus, quint32 mainTp, const int *mainTs,
                  quint32 flexTsCount);
    // The Rx map from a capture's slot blocks: the TP found in each TS, the first TS of each TP marked.
    // channelNumber is the ODUflex TS count the receiver expects.
    void setRxCapture(int level, const OtnMapping &received, quint32 channelNumber, const QByteArray &channelWords,
                      const QByteArray &mainTsBytes);

    OtnChWidget *txMap() const { return m_txMap; }
    OtnChWidget *rxMap() const { return m_rxMap; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // A map of the grid size in the layout: the one there when it has that size, else a new one.
    OtnChWidget *ensureMap(OtnChWidget *map, QVBoxLayout *layout, int gridSize, const char *name);
    void removeMap(OtnChWidget *&map);

    std::unique_ptr<Ui::OtnCaptureTpTsDialog> ui;
    OtnChWidget *m_txMap = nullptr;
    OtnChWidget *m_rxMap = nullptr;
};
