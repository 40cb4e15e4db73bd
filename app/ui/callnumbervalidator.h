#pragma once

#include <QValidator>

// Judges only the character just typed (left of the cursor), so texts set by
// the program are never refused as a whole.
class CallNumberValidator : public QValidator
{
    Q_OBJECT

public:
    explicit CallNumberValidator(int maxLength, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    int m_maxLength;
};
