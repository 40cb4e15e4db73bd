#include "kelvoaddress.h"

#include <algorithm>

KelvoAddress::KelvoAddress(const QString &name)
{
    setAddressName(name);
}

void KelvoAddress::setAddressName(const QString &name)
{
    if (name.isEmpty())
        return;

    const QRegularExpressionMatch match = pattern().match(name);
    if (!match.hasMatch())
        return;

    const QStringView numberText
        = match.capturedLength(2) > 0 ? match.capturedView(2) : match.capturedView(3);
    const QStringView letterText
        = match.capturedLength(1) > 0 ? match.capturedView(1) : match.capturedView(4);
    const unsigned number = numberText.toUInt();
    // The switches start counting at 1; there is no setting for 0.
    if (number == 0)
        return;

    const unsigned n = number - 1;
    const unsigned k = letterText.front().unicode() - u'A';
    m_addressName = name;
    m_dippPosition = { n / 9, n / 3 % 3, n % 3, k / 3, k % 3 };
}

void KelvoAddress::setDippPosition(const Positions &position)
{
    m_dippPosition = position;
    // 64-bit so that no position value, however large, can overflow.
    const quint64 number = 1 + 9ull * position[0] + 3ull * position[1] + position[2];
    const char16_t letter = char16_t(u'A' + 3ull * position[3] + position[4]);
    m_addressName = QChar(letter) + QString::number(number);
}

QString KelvoAddress::convertPosition(const Positions &position)
{
    KelvoAddress address(QStringLiteral("A1"));
    address.setDippPosition(position);
    return address.addressName();
}

KelvoAddress::Positions KelvoAddress::convertName(const QString &name)
{
    KelvoAddress address(QStringLiteral("A1"));
    address.setAddressName(name);
    return address.dippPosition();
}

const QRegularExpression &KelvoAddress::pattern()
{
    static const QRegularExpression address(
        QRegularExpression::anchoredPattern(QStringLiteral("([A-I])(\\d{1,2})|(\\d{1,2})([A-I])")));
    return address;
}

QString KelvoAddress::letterFirst(const QString &text)
{
    QString address = text;
    if (!address.isEmpty() && address.front().isDigit())
        address = address.back() + address.chopped(1);
    address.remove(QLatin1Char(' '));
    return address;
}

bool KelvoAddress::fitsSwitches(const QString &text)
{
    const KelvoAddress address(text);
    if (address.addressName().isEmpty())
        return false;
    const Positions positions = address.dippPosition();
    return std::all_of(positions.cbegin(), positions.cend(), [](unsigned p) { return p <= 2; });
}
