#include "otncaptureohwidget.h"
#include "ui_otncaptureohwidget.h"

#include <QHeaderView>
#include <QPushButton>

#include "client/otn/components/otncapturerecord.h"
#include "client/otn/components/otnpayloadtype.h"
#include "client/otn/components/uihelpers/installcombodelegates.h"
#include "client/otn/interface_setup_status/dialogs/otncaptureftfldialog.h"
#include "client/otn/interface_setup_status/dialogs/otncapturettidialog.h"
#include "client/otn/interface_setup_status/dialogs/otnohtablelayout.h"
#include "host/otn/otnmapping.h"
#include "host/parameters/intervaldata.h"
#include "host/server/zelservermanager.h"

namespace {

using Item = OtnCaptureRecord::Item;

constexpr int columnWidth = 35;
constexpr int rowHeight = 28;
constexpr int labelPixels = 12;
constexpr int opuColumn = 14;
constexpr QRgb labelBackground = 0xFF5E5E5E;   // rgb(94, 94, 94)

constexpr char buttonStyle[] =
    "color: rgb(255, 255, 255); background-color: rgb(60, 60, 60); font: 12px; font-weight: bold";
constexpr char ftflButtonStyle[] =
    "color: rgb(255, 255, 255); background-color: rgb(60, 60, 60); font: 7px; font-weight: bold";

// Where each capture item's button sits: the first cell of its field's label.
struct ButtonPlace {
    int item;
    const char *name;
    const char *text;
    int row;
    int column;
    void (OtnCaptureOhWidget::*slot)();
    const char *toolTip;
};
const ButtonPlace buttonPlaces[] = {
    {Item::Sm, "pbSm", "SM", 0, 7, &OtnCaptureOhWidget::clicked_sm_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Section monitoring: capture its trail trace identifier")},
    {Item::Pm, "pbPm", "PM", 4, 9, &OtnCaptureOhWidget::clicked_pm_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Path monitoring: capture its trail trace identifier")},
    {Item::Tcm1, "pbTcm1", "TCM1", 4, 6, &OtnCaptureOhWidget::clicked_tcm1_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 1: capture its trail trace identifier")},
    {Item::Tcm1 + 1, "pbTcm2", "TCM2", 4, 3, &OtnCaptureOhWidget::clicked_tcm2_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 2: capture its trail trace identifier")},
    {Item::Tcm1 + 2, "pbTcm3", "TCM3", 4, 0, &OtnCaptureOhWidget::clicked_tcm3_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 3: capture its trail trace identifier")},
    {Item::Tcm1 + 3, "pbTcm4", "TCM4", 2, 10, &OtnCaptureOhWidget::clicked_tcm4_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 4: capture its trail trace identifier")},
    {Item::Tcm1 + 4, "pbTcm5", "TCM5", 2, 7, &OtnCaptureOhWidget::clicked_tcm5_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 5: capture its trail trace identifier")},
    {Item::Tcm6, "pbTcm6", "TCM6", 2, 4, &OtnCaptureOhWidget::clicked_tcm6_tti,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Tandem connection monitoring 6: capture its trail trace identifier")},
    {Item::Ftfl, "pbFtfl", "FTFL", 2, 13, &OtnCaptureOhWidget::clicked_ftfl,
     QT_TRANSLATE_NOOP("OtnCaptureOhWidget", "Fault type and fault location: capture the multiframe")},
};

// The OPU overhead columns 15 and 16 of each overhead row, label by label, per OPU kind.
struct Cell {
    int row;
    int column;
};
constexpr Cell opuCells[] = {{0, 14}, {0, 15}, {2, 14}, {2, 15}, {4, 14}, {4, 15}, {6, 14}, {6, 15}};
const char *const opuLabels[][8] = {
    {"RES", "JC1", "RES", "JC2", "RES", "JC3", "PSI", "NJO"},
    {"JC4", "JC1", "JC5", "JC2", "JC6", "JC3", "PSI", "RES"},
    {"RES", "RES", "RES", "RES", "RES", "RES", "PSI", "RES"},
    {"JC4", "JC1", "JC5", "JC2", "JC6", "JC3", "PSI", "OMFI"},
    {"RES", "JCA", "RES", "JCB", "RES", "NJO2", "PSI", "NJO1"},
};

bool isOneOf(int value, std::initializer_list<int> values)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

OtnCaptureOhWidget::OtnCaptureOhWidget(QWidget *parent, zelServerManager *manager)
    : QWidget(parent), ui(std::make_unique<Ui::OtnCaptureOhWidget>()), m_manager(manager),
      m_record(IntervalDataOtnCapture::recordSize, '\0')
{
    ui->setupUi(this);
    installComboDelegates(this);
    setupTable();
    for (QLabel *label : {ui->lblPsi, ui->lblPsiValue})
        label->setStyleSheet(QStringLiteral("font: 11px;"));
    applyLabels(0, OtnMapping(), 0);
    showOverhead(OtnCaptureRecord::overhead(m_record), 0);
}

OtnCaptureOhWidget::~OtnCaptureOhWidget() = default;

void OtnCaptureOhWidget::setupTable()
{
    QTableWidget *table = ui->tblOverhead;
    table->setColumnCount(columns);
    table->setRowCount(rows);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setAutoScroll(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setDragEnabled(false);
    table->setDragDropMode(QAbstractItemView::NoDragDrop);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->setFrameShape(QFrame::NoFrame);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setMinimumSectionSize(columnWidth);
    table->horizontalHeader()->setDefaultSectionSize(columnWidth);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(rowHeight);
    table->verticalHeader()->setDefaultSectionSize(rowHeight);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (row % 2 == 0) {
                item->setBackground(QColor::fromRgb(labelBackground));
                item->setForeground(Qt::white);
            }
            table->setItem(row, column, item);
        }
    }
    table->setFixedSize(columns * columnWidth, rows * rowHeight);
}

void OtnCaptureOhWidget::setLabel(int row, int column, int span, const QString &text, int fontPixels)
{
    QTableWidget *table = ui->tblOverhead;
    if (span > 1)
        table->setSpan(row, column, 1, span);
    QTableWidgetItem *item = table->item(row, column);
    item->setText(text);
    QFont font = item->font();
    font.setBold(true);
    font.setPixelSize(fontPixels);
    item->setFont(font);
}

void OtnCaptureOhWidget::applyLabels(int level, const OtnMapping &mapping, int selector)
{
    // Every label cell starts empty and single; the labels then take their spans anew.
    ui->tblOverhead->clearSpans();
    for (int row = 0; row < rows; row += 2) {
        for (int column = 0; column < columns; ++column)
            setLabel(row, column, 1, QString());
    }
    // The fields sit where the transmit overhead table puts them; the capture names the multiframe
    // alignment "MF", calls the FTFL byte reserved on the first OTL slice only, and has fonts of its own.
    const OtnOhTableLayout layout(level, mapping, selector);
    for (const OtnOhTableLayout::Label &label : layout.labels()) {
        if (label.column >= opuColumn)
            continue;
        QString text = label.text;
        int pixels = labelPixels;
        if (label.row == 0 && label.column == 6)
            text = QStringLiteral("MF");
        else if (label.row == 2 && label.column == 13)
            text = layout.isFirstOtlcSlice() ? QStringLiteral("RES") : QStringLiteral("FTFL");
        else if (text == QLatin1String("OSMC"))
            pixels = 7;
        else if (text == QLatin1String("P&T"))
            pixels = 10;
        setLabel(label.row, label.column, label.span, text, pixels);
    }

    // The OPU columns name the justification and PSI bytes of the level's kind of OPU.
    const int kind = opuKind(mapping, level);
    for (int i = 0; i < 8; ++i) {
        const QString text = QString::fromLatin1(opuLabels[kind][i]);
        setLabel(opuCells[i].row, opuCells[i].column, 1, text, text.size() >= 4 ? 9 : labelPixels);
    }
    if (layout.isSecondOtlcSlice())
        setLabel(6, opuColumn, 1, QStringLiteral("RES"));
}

void OtnCaptureOhWidget::setLevel(int level, const OtnMapping &mapping, int selector)
{
    const bool otlc = mapping.isOTLC();
    const bool otherSlice = otlc && selector == 1;
    applyLabels(level, mapping, selector);
    const bool lineFields = level == 0 && !otherSlice;
    for (int item = Item::Sm; item <= Item::Tcm6; ++item) {
        if (item != Item::Pm)
            placeButton(item, lineFields);
    }
    placeButton(Item::Ftfl, !otlc);
    placeButton(Item::Pm, !otherSlice);
    // Buttons join the focus chain in the order they are made; Tab follows the overhead's rows instead.
    QTableWidget *table = ui->tblOverhead;
    QWidget *previous = table;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            if (QWidget *button = table->cellWidget(row, column)) {
                setTabOrder(previous, button);
                previous = button;
            }
        }
    }
}

void OtnCaptureOhWidget::placeButton(int item, bool present)
{
    const auto place = std::find_if(std::begin(buttonPlaces), std::end(buttonPlaces),
                                    [item](const ButtonPlace &p) { return p.item == item; });
    if (place == std::end(buttonPlaces))
        return;
    QTableWidget *table = ui->tblOverhead;
    QWidget *current = table->cellWidget(place->row, place->column);
    if (!present) {
        if (current) {
            // The table deletes it later; until then it must not cover the label.
            current->hide();
            table->removeCellWidget(place->row, place->column);
        }
        return;
    }
    // A button already in place stays: it may be the one whose click is running now.
    if (current && current->objectName() == QLatin1String(place->name))
        return;
    auto *button = new QPushButton(QString::fromLatin1(place->text));
    button->setObjectName(QString::fromLatin1(place->name));
    button->setToolTip(tr(place->toolTip));
    button->setStyleSheet(QString::fromLatin1(item == Item::Ftfl ? ftflButtonStyle : buttonStyle));
    connect(button, &QPushButton::clicked, this, place->slot);
    table->setCellWidget(place->row, place->column, button);
}

int OtnCaptureOhWidget::opuKind(const OtnMapping &mapping, int level)
{
    QVector<int> kinds;
    const int stage0 = mapping[OtnMapping::FieldStage0] - 1;
    if (isOneOf(stage0, {0, 10, 11, 19, 20}))
        kinds.append(1);
    else if (isOneOf(stage0, {1, 2, 3, 4, 5, 6, 8}))
        kinds.append(0);
    else if (stage0 == 12)
        kinds.append(4);
    else if (isOneOf(stage0, {13, 14, 15, 17, 18, 21}))
        kinds.append(3);

    const int stage1 = mapping[OtnMapping::FieldStage1] - 1;
    if (isOneOf(stage1, {0, 2, 3}))
        kinds.append(0);
    else if (isOneOf(stage1, {1, 4}))
        kinds.append(1);

    if (mapping[OtnMapping::FieldStage2] == 1)
        kinds.append(0);

    const int client = mapping[OtnMapping::FieldClient];
    if (isOneOf(client, {0, 5, 9, 11}) || (client >= 23 && client <= 31))
        kinds.append(2);
    else if (isOneOf(client, {1, 3, 4, 6, 7, 13, 14, 18, 20, 22}))
        kinds.append(1);
    else if (isOneOf(client, {2, 8, 10, 12, 15, 16, 17}))
        kinds.append(0);

    return kinds.value(level, 0);
}

void OtnCaptureOhWidget::showOverhead(const QByteArray &overhead, quint8 payloadType)
{
    QTableWidget *table = ui->tblOverhead;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int index = columns * row + column;
            const quint8 byte = index < overhead.size() ? quint8(overhead.at(index)) : 0;
            table->item(2 * row + 1, column)->setText(hexByte(byte));
        }
    }
    ui->lblPsiValue->setText(payloadTypeText(payloadType));
}

void OtnCaptureOhWidget::setCaptureRecord(const QByteArray &record)
{
    m_record = record;
    if (m_ttiDialog && OtnCaptureRecord::isTtiItem(m_openItem))
        m_ttiDialog->setTti(OtnCaptureRecord::itemBytes(m_record, m_openItem));
    if (m_ftflDialog)
        m_ftflDialog->setFtfl(OtnCaptureRecord::itemBytes(m_record, Item::Ftfl));
}

void OtnCaptureOhWidget::setTtiEncoding(int value)
{
    m_structured = value == 0;
}

void OtnCaptureOhWidget::openCapture(int item)
{
    m_openItem = item;
    const auto run = [this](QDialog *dialog) {
        return m_manager ? m_manager->executeQzelDialog(dialog) : dialog->exec();
    };
    if (item == Item::Ftfl) {
        auto dialog = std::make_unique<OtnCaptureFtflDialog>(this);
        dialog->setServerManager(m_manager);
        dialog->setFtfl(OtnCaptureRecord::itemBytes(m_record, item));
        m_ftflDialog = dialog.get();
        run(dialog.get());
        m_ftflDialog = nullptr;
        return;
    }
    if (!OtnCaptureRecord::isTtiItem(item))
        return;
    auto dialog = std::make_unique<OtnCaptureTtiDialog>(this, m_structured);
    dialog->setServerManager(m_manager);
    dialog->setTti(OtnCaptureRecord::itemBytes(m_record, item));
    dialog->setWindowTitle(OtnCaptureRecord::ttiTitle(item));
    m_ttiDialog = dialog.get();
    run(dialog.get());
    m_ttiDialog = nullptr;
}

void OtnCaptureOhWidget::clicked_sm_tti()
{
    openCapture(Item::Sm);
}

void OtnCaptureOhWidget::clicked_pm_tti()
{
    openCapture(Item::Pm);
}

void OtnCaptureOhWidget::clicked_tcm1_tti()
{
    openCapture(Item::Tcm1);
}

void OtnCaptureOhWidget::clicked_tcm2_tti()
{
    openCapture(Item::Tcm1 + 1);
}

void OtnCaptureOhWidget::clicked_tcm3_tti()
{
    openCapture(Item::Tcm1 + 2);
}

void OtnCaptureOhWidget::clicked_tcm4_tti()
{
    openCapture(Item::Tcm1 + 3);
}

void OtnCaptureOhWidget::clicked_tcm5_tti()
{
    openCapture(Item::Tcm1 + 4);
}

void OtnCaptureOhWidget::clicked_tcm6_tti()
{
    openCapture(Item::Tcm6);
}

void OtnCaptureOhWidget::clicked_ftfl()
{
    openCapture(Item::Ftfl);
}
