#include "callnumbervalidator.h"

CallNumberValidator::CallNumberValidator(int maxLength, QObject *parent)
    : QValidator(parent)
    , m_maxLength(maxLength)
{ }

QValidator::State CallNumberValidator::validate(QString &input, int &pos) const
{
    if (pos <= 0 || pos > input.size())
        return Intermediate;
    if (!input.at(pos - 1).isDigit())
        return Invalid;
    return pos <= m_maxLength ? Acceptable : Invalid;
}
