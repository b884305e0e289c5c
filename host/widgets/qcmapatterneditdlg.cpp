#include "qcmapatterneditdlg.h"
#include "ui_qcmapatterneditdlg.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace {
QString byteText(quint8 byte)
{
    return QStringLiteral("%1").arg(uint(byte), 2, 16, QLatin1Char('0')).toUpper();
}

// Cell editor: at most two hex digits.
class HexByteDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignCenter);
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,2}")), edit));
        return edit;
    }
};
} // namespace

QcmaPatternEditDlg::QcmaPatternEditDlg(int controls, int tabs, QWidget *parent)
    : QzelDialog(parent), ui(std::make_unique<Ui::QcmaPatternEditDlg>()), m_controls(controls), m_tabs(tabs)
{
    ui->setupUi(this);
    removeContextHelpButton();
    ui->tblPattern->setItemDelegate(new HexByteDelegate(ui->tblPattern));
    ui->tblPattern->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tblPattern->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(ui->tblPattern, &QTableWidget::itemChanged, this, &QcmaPatternEditDlg::itemChanged);
    connect(ui->pbAll00, &QPushButton::clicked, this, [this] { fill(0x00); });
    connect(ui->pbAllFF, &QPushButton::clicked, this, [this] { fill(0xFF); });
    connect(ui->bbPattern, &QDialogButtonBox::accepted, this, &QcmaPatternEditDlg::accept);
    connect(ui->bbPattern, &QDialogButtonBox::rejected, this, &QcmaPatternEditDlg::reject);
    connect(ui->bbPattern, &QDialogButtonBox::clicked, this, [this](QAbstractButton *button) {
        if (ui->bbPattern->buttonRole(button) == QDialogButtonBox::ApplyRole)
            emit applied(content());
    });
    rebuild();
}

QcmaPatternEditDlg::~QcmaPatternEditDlg() = default;

void QcmaPatternEditDlg::useApply(bool use)
{
    if (use == m_useApply)
        return;
    m_useApply = use;
    QDialogButtonBox::StandardButtons buttons = ui->bbPattern->standardButtons();
    buttons.setFlag(QDialogButtonBox::Apply, use);
    ui->bbPattern->setStandardButtons(buttons);
}

void QcmaPatternEditDlg::setLineWidth(int bytesPerLine)
{
    m_lineWidth = qMax(1, bytesPerLine);
    rebuild();
}

void QcmaPatternEditDlg::setSize(int bits)
{
    m_bits = qMax(0, bits);
    m_bytes.resize((m_bits + 7) / 8);
    rebuild();
}

void QcmaPatternEditDlg::setVariableSize(int bits)
{
    m_variableBits = qMax(0, bits);
}

void QcmaPatternEditDlg::setViewMode(int mode)
{
    m_viewMode = mode;
}

void QcmaPatternEditDlg::setContent(const QVector<quint8> &bytes)
{
    // Without a size set first, the content brings its own.
    if (m_bits == 0)
        m_bits = bytes.size() * 8;
    const int count = (m_bits + 7) / 8;
    m_bytes = bytes.mid(0, count);
    m_bytes.resize(count);   // new bytes are 00
    rebuild();
}

QVector<quint8> QcmaPatternEditDlg::content() const
{
    return m_bytes;
}

void QcmaPatternEditDlg::fill(quint8 byte)
{
    m_bytes.fill(byte);
    rebuild();
}

void QcmaPatternEditDlg::rebuild()
{
    const bool wasFilling = m_filling;
    m_filling = true;
    QTableWidget *table = ui->tblPattern;
    const int rows = (m_bytes.size() + m_lineWidth - 1) / m_lineWidth;
    table->clear();
    table->setRowCount(rows);
    table->setColumnCount(m_lineWidth);
    QStringList columnLabels;
    for (int c = 0; c < m_lineWidth; ++c)
        columnLabels << QStringLiteral("+%1").arg(c);
    table->setHorizontalHeaderLabels(columnLabels);
    QStringList rowLabels;
    for (int r = 0; r < rows; ++r)
        rowLabels << QString::number(r * m_lineWidth);
    table->setVerticalHeaderLabels(rowLabels);
    for (int i = 0; i < rows * m_lineWidth; ++i) {
        auto *item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        if (i < m_bytes.size())
            item->setText(byteText(m_bytes.at(i)));
        else
            item->setFlags(Qt::NoItemFlags);   // past the end of the block
        table->setItem(i / m_lineWidth, i % m_lineWidth, item);
    }
    ui->lblSize->setText(QStringLiteral("%1 bytes (%2 bits)").arg(m_bytes.size()).arg(m_bits));
    m_filling = wasFilling;
}

void QcmaPatternEditDlg::itemChanged(QTableWidgetItem *item)
{
    if (m_filling || !item)
        return;
    const int index = item->row() * m_lineWidth + item->column();
    if (index < 0 || index >= m_bytes.size())
        return;
    const QString text = item->text().trimmed();
    bool ok = text.isEmpty();   // an emptied cell is 00
    const uint value = ok ? 0u : text.toUInt(&ok, 16);
    if (ok && value <= 0xFF)
        m_bytes[index] = quint8(value);
    // Show the stored byte: two upper-case digits, or the old byte after an unusable entry.
    m_filling = true;
    item->setText(byteText(m_bytes.at(index)));
    m_filling = false;
}
