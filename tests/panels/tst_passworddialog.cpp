#include "faketranslator.h"
#include "keys.h"
#include "passworddialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The dialog sets the adapter's master password, which the user must later
// type into a four-digit login field.
class TestPasswordDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void typing_data();
    void typing();
    void editingPasswordRechecks();
    void languageChange();

private:
    // The confirmation's colour, none until it is first edited.
    QString colour() const { return confirm->styleSheet().section(' ', 1).remove(';'); }

    std::unique_ptr<PasswordDialog> dialog;
    QLineEdit *password = nullptr;
    QLineEdit *confirm = nullptr;
    QPushButton *ok = nullptr;
};

void TestPasswordDialog::init()
{
    dialog = std::make_unique<PasswordDialog>();
    password = dialog->findChild<QLineEdit *>(QStringLiteral("passwordEdit"));
    confirm = dialog->findChild<QLineEdit *>(QStringLiteral("confirmEdit"));
    ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
}

void TestPasswordDialog::typing_data()
{
    QTest::addColumn<QString>("passwordKeys");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("confirmKeys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("colour");

    QTest::newRow("untouched") << "" << 0 << ""
                               << "" << false << "";
    QTest::newRow("password only") << "1234" << 4 << ""
                                   << "" << false << "";
    QTest::newRow("equal") << "1234" << 4 << "1234"
                           << "1234" << true << "green";
    QTest::newRow("different") << "1234" << 4 << "1235"
                               << "1235" << false << "red";
    QTest::newRow("equal but short") << "123" << 3 << "123"
                                     << "123" << false << "red";
    QTest::newRow("letters and blanks dropped") << "1a2 3-4" << 4 << "1A2b34"
                                                << "1234" << true << "green";
    QTest::newRow("fifth digit dropped") << "12345" << 4 << "12345"
                                         << "1234" << true << "green";
    QTest::newRow("fifth digit inside dropped") << "12345" << 1 << "12345"
                                                << "1234" << true << "green";
    QTest::newRow("digits of other scripts dropped")
        << "" << 0 << QStringLiteral("\uFF11\uFF12\uFF13\uFF14") << "" << false << "";
}

void TestPasswordDialog::typing()
{
    QFETCH(QString, passwordKeys);
    QFETCH(int, cursor);
    QFETCH(QString, confirmKeys);
    QFETCH(QString, typed);
    QFETCH(bool, okEnabled);
    QFETCH(QString, colour);

    // The last key goes in at the cursor, after the others filled the field.
    typeText(password, passwordKeys.chopped(qMin(1, passwordKeys.size())));
    password->setCursorPosition(cursor);
    typeText(password, passwordKeys.right(1));
    typeText(confirm, confirmKeys);

    QCOMPARE(confirm->text(), typed);
    QCOMPARE(ok->isEnabled(), okEnabled);
    QCOMPARE(this->colour(), colour);
    QCOMPARE(dialog->password(), typed);
}

void TestPasswordDialog::editingPasswordRechecks()
{
    QTest::keyClicks(password, "1234");
    QTest::keyClicks(confirm, "1234");

    QTest::keyClicks(password, "\b5");
    QVERIFY(!ok->isEnabled());
    QCOMPARE(colour(), QStringLiteral("red"));

    QTest::keyClicks(password, "\b4");
    QVERIFY(ok->isEnabled());
    QCOMPARE(colour(), QStringLiteral("green"));
}

void TestPasswordDialog::languageChange()
{
    QTest::keyClicks(password, "1234");
    QTest::keyClicks(confirm, "1234");

    FakeTranslator english;
    english.add("PasswordDialog", "Passwort bestätigen", QStringLiteral("Confirm password"));
    QVERIFY(switchLanguage(&english));

    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("label_2"))->text(),
        QStringLiteral("Confirm password"));
    QCOMPARE(dialog->password(), QStringLiteral("1234"));
    QVERIFY(ok->isEnabled());
    QVERIFY(switchLanguage(&english, false));
}

QTEST_MAIN(TestPasswordDialog)
#include "tst_passworddialog.moc"
