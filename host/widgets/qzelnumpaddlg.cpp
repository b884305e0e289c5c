#include "qzelnumpaddlg.h"
#include "ui_qzelnumpaddlg.h"

#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <cmath>

namespace {
const QString keyBackspace = QStringLiteral("back");
const QString keyClear = QStringLiteral("clear");
const QString keySign = QStringLiteral("sign");
const QString keyPoint = QStringLiteral(".");
} // namespace

QzelNumpadDlg::QzelNumpadDlg(int inputType, QWidget *parent)
    : QzelDialog(parent), ui(std::make_unique<Ui::QzelNumpadDlg>()), m_inputType(inputType)
{
    ui->setupUi(this);
    removeContextHelpButton();
    m_validator = new QRegularExpressionValidator(ui->leValue);
    ui->leValue->setValidator(m_validator);
    if (m_inputType < Integer || m_inputType > Unsigned)
        m_inputType = Integer;
    if (m_inputType == Hexadecimal || m_inputType == Unsigned)
        m_minimum = 0;

    const QString digits = QStringLiteral("0123456789ABCDEF");
    for (const QChar digit : digits) {
        auto *key = findChild<QPushButton *>(QStringLiteral("pbKey") + digit);
        if (key)
            connect(key, &QPushButton::clicked, this, [this, digit] { press(QString(digit)); });
    }
    connect(ui->pbBackspace, &QPushButton::clicked, this, [this] { press(keyBackspace); });
    connect(ui->pbClear, &QPushButton::clicked, this, [this] { press(keyClear); });
    connect(ui->pbSign, &QPushButton::clicked, this, [this] { press(keySign); });
    connect(ui->pbPoint, &QPushButton::clicked, this, [this] { press(keyPoint); });
    connect(ui->leValue, &QLineEdit::textChanged, this, &QzelNumpadDlg::updateOk);
    connect(ui->leValue, &QLineEdit::textEdited, this, [this] { m_replaceOnKey = false; });
    connect(ui->bbNumpad, &QDialogButtonBox::accepted, this, &QzelNumpadDlg::accept);
    connect(ui->bbNumpad, &QDialogButtonBox::rejected, this, &QzelNumpadDlg::reject);

    updateKeys();
    updateRange();
    updateOk();
}

QzelNumpadDlg::~QzelNumpadDlg() = default;

void QzelNumpadDlg::setMinimum(double minimum)
{
    m_minimum = minimum;
    updateKeys();
    updateRange();
    updateOk();
}

void QzelNumpadDlg::setMaximum(double maximum)
{
    m_maximum = maximum;
    updateRange();
    updateOk();
}

void QzelNumpadDlg::setDecimals(int decimals)
{
    m_decimals = qMax(0, decimals);
    updateKeys();
    updateRange();
    updateOk();
}

void QzelNumpadDlg::setText(const QString &text)
{
    ui->leValue->setText(m_inputType == Hexadecimal ? text.trimmed().toUpper() : text.trimmed());
    ui->leValue->selectAll();
    m_replaceOnKey = true;
}

QString QzelNumpadDlg::text() const
{
    return ui->leValue->text();
}

void QzelNumpadDlg::setTitle(const QString &title)
{
    setWindowTitle(title);
}

double QzelNumpadDlg::value(bool *ok) const
{
    const QString text = ui->leValue->text().trimmed();
    bool parsed = false;
    bool tooPrecise = false;
    double number = 0;
    switch (m_inputType) {
    case Hexadecimal:
        number = double(text.toULongLong(&parsed, 16));
        break;
    case Unsigned:
        number = double(text.toULongLong(&parsed, 10));
        break;
    case Decimal: {
        number = QLocale::c().toDouble(text, &parsed);
        const int point = text.indexOf(QLatin1Char('.'));
        tooPrecise = point >= 0 && text.size() - point - 1 > m_decimals;
        break;
    }
    default:
        number = double(text.toLongLong(&parsed, 10));
        break;
    }
    const bool valid = parsed && !tooPrecise && std::isfinite(number) && number >= m_minimum && number <= m_maximum;
    if (ok)
        *ok = valid;
    return parsed ? number : 0.0;
}

void QzelNumpadDlg::accept()
{
    bool ok = false;
    value(&ok);
    if (!ok)
        return;
    QzelDialog::accept();
}

void QzelNumpadDlg::press(const QString &key)
{
    QString text = ui->leValue->text();
    const bool replace = m_replaceOnKey;
    m_replaceOnKey = false;

    if (key == keyBackspace) {
        text.chop(1);
    } else if (key == keyClear) {
        text.clear();
    } else if (key == keySign) {
        if (text.startsWith(QLatin1Char('-')))
            text.remove(0, 1);
        else
            text.prepend(QLatin1Char('-'));
    } else if (key == keyPoint) {
        if (replace)
            text.clear();
        if (!text.contains(QLatin1Char('.')))
            text += text.isEmpty() || text == QLatin1String("-") ? QStringLiteral("0.") : keyPoint;
    } else {
        if (replace)
            text.clear();
        const int point = text.indexOf(QLatin1Char('.'));
        if (point >= 0 && text.size() - point - 1 >= m_decimals)
            return;
        text += key;
    }
    ui->leValue->setText(text);
}

void QzelNumpadDlg::updateOk()
{
    bool ok = false;
    value(&ok);
    if (QPushButton *okButton = ui->bbNumpad->button(QDialogButtonBox::Ok))
        okButton->setEnabled(ok);
}

QString QzelNumpadDlg::numberText(double number) const
{
    switch (m_inputType) {
    case Hexadecimal:
        return QString::number(quint64(qMax(0.0, number)), 16).toUpper();
    case Unsigned:
        return QString::number(quint64(qMax(0.0, number)));
    case Decimal:
        return QString::number(number, 'f', m_decimals);
    default:
        return QString::number(qint64(number));
    }
}

void QzelNumpadDlg::updateRange()
{
    ui->lblRange->setText(QStringLiteral("%1 ... %2").arg(numberText(m_minimum), numberText(m_maximum)));
}

void QzelNumpadDlg::updateKeys()
{
    const bool hex = m_inputType == Hexadecimal;
    const bool signedInput = (m_inputType == Integer || m_inputType == Decimal) && m_minimum < 0;
    const bool point = m_inputType == Decimal && m_decimals > 0;
    for (const QChar digit : QStringLiteral("ABCDEF")) {
        if (auto *key = findChild<QPushButton *>(QStringLiteral("pbKey") + digit))
            key->setVisible(hex);
    }
    ui->pbSign->setEnabled(signedInput);
    ui->pbPoint->setEnabled(point);

    // Typing on a real keyboard is held to the same characters as the keys.
    QString pattern;
    if (hex)
        pattern = QStringLiteral("[0-9A-Fa-f]*");
    else if (point)
        pattern = QStringLiteral("%1[0-9]*(\\.[0-9]{0,%2})?").arg(signedInput ? QStringLiteral("-?") : QString()).arg(m_decimals);
    else
        pattern = QStringLiteral("%1[0-9]*").arg(signedInput ? QStringLiteral("-?") : QString());
    m_validator->setRegularExpression(QRegularExpression(pattern));
}
