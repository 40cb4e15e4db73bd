#include "callnumbervalidator.h"
#include "keys.h"

#include <QLineEdit>
#include <QTest>

class TestCallNumberValidator : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void emptyTextIsIntermediate();
};

void TestCallNumberValidator::typing_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    QTest::newRow("four digits fill the field") << 4 << "" << 0 << "1234"
                                                << "1234";
    QTest::newRow("a fifth digit at the end is dropped") << 4 << "" << 0 << "12345"
                                                         << "1234";
    QTest::newRow("letter, blank, plus and hyphen are dropped") << 4 << "" << 0 << "1a 2+-3"
                                                                << "123";
    QTest::newRow("a non-digit inside the text is dropped") << 4 << "1234" << 2 << "x"
                                                            << "1234";
    QTest::newRow("the maximum binds only at the cursor") << 4 << "1234" << 1 << "5"
                                                          << "15234";
    QTest::newRow("typing inside a full field stops at the maximum") << 4 << "1234" << 3 << "56"
                                                                     << "12354";
    QTest::newRow("digits of other scripts count")
        << 4 << "" << 0 << QStringLiteral("0\uFF13\uFF17") << QStringLiteral("0\uFF13\uFF17");
    QTest::newRow("a number field holds 22 digits") << 22 << "" << 0 << "123456789012345678901234"
                                                    << "1234567890123456789012";
    QTest::newRow("a text set by the program is not judged as a whole") << 4 << "1a" << 2 << "3"
                                                                        << "1a3";
}

void TestCallNumberValidator::typing()
{
    QFETCH(int, maxLength);
    QFETCH(QString, initial);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    QLineEdit edit;
    CallNumberValidator validator(maxLength);
    edit.setValidator(&validator);
    edit.setText(initial);
    edit.setCursorPosition(cursor);

    typeText(&edit, keys);

    QCOMPARE(edit.text(), expected);
}

void TestCallNumberValidator::emptyTextIsIntermediate()
{
    QLineEdit edit;
    CallNumberValidator validator(4);
    edit.setValidator(&validator);
    QTest::keyClicks(&edit, "12");

    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Backspace);

    QCOMPARE(edit.text(), QString());
    QVERIFY(!edit.hasAcceptableInput());
}

QTEST_MAIN(TestCallNumberValidator)
#include "tst_callnumbervalidator.moc"
