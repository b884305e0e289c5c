#include "qzelqwertydlg.h"
#include "ui_qzelqwertydlg.h"

#include <QPushButton>

namespace {
// Key rows as printed on the keys, unshifted and shifted; the form names key c of row r "pbKey_r_c".
struct KeyRow {
    const char *normal;
    const char *shifted;
};
constexpr KeyRow keyRows[] = {
    {"1234567890-=", "!@#$%^&*()_+"},
    {"qwertyuiop[]", "QWERTYUIOP{}"},
    {"asdfghjkl;'", "ASDFGHJKL:\""},
    {"zxcvbnm,./", "ZXCVBNM<>?"},
};
constexpr int rowCount = int(sizeof(keyRows) / sizeof(keyRows[0]));

QString keyName(int row, int column)
{
    return QStringLiteral("pbKey_%1_%2").arg(row).arg(column);
}
} // namespace

QzelQwertyDlg::QzelQwertyDlg(QWidget *parent) : QzelDialog(parent), ui(std::make_unique<Ui::QzelQwertyDlg>())
{
    ui->setupUi(this);
    removeContextHelpButton();
    for (int r = 0; r < rowCount; ++r) {
        const int columns = int(qstrlen(keyRows[r].normal));
        for (int c = 0; c < columns; ++c) {
            auto *key = findChild<QPushButton *>(keyName(r, c));
            if (!key)
                continue;
            connect(key, &QPushButton::clicked, this, [this, r, c] {
                const KeyRow &row = keyRows[r];
                press(QString(QLatin1Char(isShifted() ? row.shifted[c] : row.normal[c])));
            });
        }
    }
    connect(ui->pbSpace, &QPushButton::clicked, this, [this] { press(QStringLiteral(" ")); });
    connect(ui->pbBackspace, &QPushButton::clicked, this, [this] { ui->leText->backspace(); });
    connect(ui->pbClear, &QPushButton::clicked, ui->leText, &QLineEdit::clear);
    connect(ui->pbShift, &QPushButton::toggled, this, &QzelQwertyDlg::updateKeyTexts);
    connect(ui->leText, &QLineEdit::textChanged, this, &QzelQwertyDlg::updateLength);
    connect(ui->bbQwerty, &QDialogButtonBox::accepted, this, &QzelQwertyDlg::accept);
    connect(ui->bbQwerty, &QDialogButtonBox::rejected, this, &QzelQwertyDlg::reject);
    updateKeyTexts();
    updateLength();
}

QzelQwertyDlg::~QzelQwertyDlg() = default;

void QzelQwertyDlg::setText(const QString &text)
{
    ui->leText->setText(text);
}

QString QzelQwertyDlg::text() const
{
    return ui->leText->text();
}

void QzelQwertyDlg::setMaximumLength(int length)
{
    // QLineEdit cuts the text to the new length itself.
    ui->leText->setMaxLength(qMax(0, length));
    updateLength();
}

int QzelQwertyDlg::maximumLength() const
{
    return ui->leText->maxLength();
}

bool QzelQwertyDlg::isShifted() const
{
    return ui->pbShift->isChecked();
}

void QzelQwertyDlg::press(const QString &key)
{
    // insert() respects the maximum length: a full line takes no more characters.
    ui->leText->insert(key);
}

void QzelQwertyDlg::updateKeyTexts()
{
    const bool shifted = isShifted();
    for (int r = 0; r < rowCount; ++r) {
        const char *keys = shifted ? keyRows[r].shifted : keyRows[r].normal;
        const int columns = int(qstrlen(keys));
        for (int c = 0; c < columns; ++c) {
            if (auto *key = findChild<QPushButton *>(keyName(r, c))) {
                const QString text{QLatin1Char(keys[c])};
                // A lone "&" would become a mnemonic marker on a button.
                key->setText(text == QLatin1String("&") ? QStringLiteral("&&") : text);
            }
        }
    }
}

void QzelQwertyDlg::updateLength()
{
    const int length = ui->leText->text().size();
    const int maximum = ui->leText->maxLength();
    // 32767 is QLineEdit's "no limit".
    ui->lblLength->setText(maximum >= 32767 ? QString::number(length) : QStringLiteral("%1/%2").arg(length).arg(maximum));
}
