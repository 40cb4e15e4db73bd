// Login, logout and the master password against a scripted adapter on a
// pseudo-terminal: every step of the login state machine as the wire and the
// user see it.

#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using Frame = PtyPeer::Frame;

const Frame logout { 0x00, {} };

Frame login(const QByteArray &digits)
{
    return { 0x00, digits };
}

bool looksLoggedIn(const MainWindow &window)
{
    const auto *label = child<QLabel>(window, "loginLabel");
    const auto *button = child<QPushButton>(window, "buttonLogin");
    const bool green = label->styleSheet().contains(QLatin1String("background:green;"));
    const bool red = label->styleSheet().contains(QLatin1String("background:red;"));
    if (green && label->text() == QLatin1String("Eingeloggt")
        && button->text() == QLatin1String("Logout"))
        return true;
    if (red && label->text() == QLatin1String("Ausgeloggt")
        && button->text() == QLatin1String("Login"))
        return false;
    qFatal("mixed login look: %s / %s", qPrintable(label->text()), qPrintable(button->text()));
}

// Lets bytes in flight arrive, then hands over what the adapter received.
QList<Frame> settle(PtyPeer &peer)
{
    QTest::qWait(150);
    return peer.takeFrames();
}

} // namespace

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void passwordOfWrongLengthSendsNothing_data();
    void passwordOfWrongLengthSendsNothing();
    void loginAnswered_data();
    void loginAnswered();
    void logoutAnswered_data();
    void logoutAnswered();
    void passwordChangeAnswered_data();
    void passwordChangeAnswered();
    void passwordChangeNeedsLogin();
    void cancelledPasswordDialogSendsNothing();
    void unrequestedAnswersChangeNothing();
    void resetAsksFirst_data();
    void resetAsksFirst();
    void otherPortKeepsLogin();
    void closeLogsOutBeforeThePortCloses();
    void lostPortWarnsOnce();

private:
    void logIn(MainWindow &window);

    PtyPeer *peer = nullptr;
};

void TestLogin::init()
{
    peer = new PtyPeer(this);
    qputenv("VXCONFIG_PORTS", peer->portName().toLocal8Bit());
}

void TestLogin::cleanup()
{
    delete peer;
    peer = nullptr;
}

void TestLogin::logIn(MainWindow &window)
{
    child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
    QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    QVERIFY(peer->waitForFrames(1));
    peer->takeFrames();
    peer->sendAck();
    QTRY_VERIFY(window.isLoggedIn());
}

void TestLogin::passwordOfWrongLengthSendsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << "";
    QTest::newRow("three digits") << "123";
    QTest::newRow("letters refused by the field") << "12ab";
}

void TestLogin::passwordOfWrongLengthSendsNothing()
{
    QFETCH(QString, typed);
    MainWindow window;
    QTest::keyClicks(child<QLineEdit>(window, "passwordEdit"), typed);

    ModalAnswerer answerer;
    QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Passwort") });
    QCOMPARE(
        answerer.seen[0].text, QStringLiteral("Kein Passwort oder zu kurzes Passwort eingegeben."));
    QVERIFY(settle(*peer).isEmpty());
    QVERIFY(!looksLoggedIn(window));
}

void TestLogin::loginAnswered_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<bool>("ack");

    QTest::newRow("accepted") << "1234" << QByteArray("\x01\x02\x03\x04", 4) << true;
    QTest::newRow("zero travels as ten") << "1090" << QByteArray("\x01\x0a\x09\x0a", 4) << true;
    QTest::newRow("refused") << "9999" << QByteArray("\x09\x09\x09\x09", 4) << false;
}

void TestLogin::loginAnswered()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, digits);
    QFETCH(bool, ack);

    MainWindow window;
    QTest::keyClicks(child<QLineEdit>(window, "passwordEdit"), password);
    QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(peer->takeFrames(), QList<Frame> { login(digits) });
    // Nothing changes until the adapter answers.
    QVERIFY(!looksLoggedIn(window));

    ModalAnswerer answerer;
    ack ? peer->sendAck() : peer->sendNak();
    QTest::qWait(200);

    QCOMPARE(window.isLoggedIn(), ack);
    QCOMPARE(looksLoggedIn(window), ack);
    if (ack) {
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(settle(*peer).isEmpty());
    } else {
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Login") });
        // A refused login is followed by a logout.
        QCOMPARE(settle(*peer), QList<Frame> { logout });
        // Its answer finds nothing pending.
        peer->sendAck();
        QTest::qWait(100);
        QVERIFY(!window.isLoggedIn());
        QCOMPARE(answerer.seen.size(), 1);
    }
}

void TestLogin::logoutAnswered_data()
{
    QTest::addColumn<bool>("ack");
    QTest::newRow("accepted") << true;
    QTest::newRow("refused") << false;
}

void TestLogin::logoutAnswered()
{
    QFETCH(bool, ack);
    MainWindow window;
    logIn(window);

    QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(peer->takeFrames(), QList<Frame> { logout });
    QVERIFY(looksLoggedIn(window));

    ModalAnswerer answerer;
    ack ? peer->sendAck() : peer->sendNak();
    QTRY_COMPARE(window.isLoggedIn(), !ack);
    QTest::qWait(50);
    QCOMPARE(looksLoggedIn(window), !ack);
    QVERIFY(answerer.seen.isEmpty());
}

void TestLogin::passwordChangeAnswered_data()
{
    QTest::addColumn<bool>("ack");
    QTest::addColumn<QString>("text");
    QTest::newRow("accepted") << true << "Das Masterpasswort wurde erfolgreich geändert.";
    QTest::newRow("refused") << false << "Beim ändern des Masterpassworts trat ein Fehler auf.";
}

void TestLogin::passwordChangeAnswered()
{
    QFETCH(bool, ack);
    QFETCH(QString, text);
    MainWindow window;
    logIn(window);

    ModalAnswerer dialogs(QMessageBox::Ok, [](QWidget *dialog) {
        const auto edits = dialog->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits)
            QTest::keyClicks(edit, QStringLiteral("5067"));
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    window.actionChangePassword();
    QCOMPARE(dialogs.titles().size(), 1);
    QVERIFY(peer->waitForFrames(1));
    const Frame change { 0x01, QByteArray("\x05\x0a\x06\x07\x05\x0a\x06\x07", 8) };
    QCOMPARE(peer->takeFrames(), QList<Frame> { change });

    ack ? peer->sendAck() : peer->sendNak();
    QTRY_COMPARE(dialogs.seen.size(), 2);
    QCOMPARE(dialogs.seen[1].title, QStringLiteral("Masterpasswort"));
    QCOMPARE(dialogs.seen[1].text, text);
    QVERIFY(window.isLoggedIn());
    QVERIFY(looksLoggedIn(window));
}

void TestLogin::passwordChangeNeedsLogin()
{
    MainWindow window;
    ModalAnswerer answerer;
    child<QAction>(window, "actionMasterpasswort_ndern")->trigger();
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Einloggen") });
    QCOMPARE(answerer.seen[0].text,
        QStringLiteral("Sie müssen sich einloggen um den VX-Adapter zu konfigurieren."));
    QVERIFY(settle(*peer).isEmpty());
}

void TestLogin::cancelledPasswordDialogSendsNothing()
{
    MainWindow window;
    logIn(window);

    ModalAnswerer answerer; // rejects the password dialog
    window.actionChangePassword();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].className, QStringLiteral("PasswordDialog"));
    QVERIFY(settle(*peer).isEmpty());

    // Nothing is pending, so a stray NAK leaves the login alone.
    peer->sendNak();
    QTest::qWait(150);
    QVERIFY(window.isLoggedIn());
    QCOMPARE(answerer.seen.size(), 1);
}

void TestLogin::unrequestedAnswersChangeNothing()
{
    MainWindow window;
    ModalAnswerer answerer;
    peer->sendNak();
    peer->sendAck();
    QTest::qWait(200);
    QVERIFY(!window.isLoggedIn());
    QVERIFY(!looksLoggedIn(window));
    QVERIFY(answerer.seen.isEmpty());
}

void TestLogin::resetAsksFirst_data()
{
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("yes");
    QTest::newRow("logged out, yes") << false << true;
    QTest::newRow("logged in, yes") << true << true;
    QTest::newRow("no") << false << false;
}

void TestLogin::resetAsksFirst()
{
    QFETCH(bool, loggedIn);
    QFETCH(bool, yes);
    MainWindow window;
    if (loggedIn)
        logIn(window);
    window.setCallNumber(3, QStringLiteral("0815"), 1);

    ModalAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
    child<QAction>(window, "actionZur_cksetzen")->trigger();
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("VX-Adapter zurücksetzen") });
    QCOMPARE(answerer.seen[0].text,
        QStringLiteral("Wollen Sie alle im Gerät gespeicherten Daten löschen?"));

    const QList<Frame> sent = settle(*peer);
    if (yes) {
        QCOMPARE(sent.size(), 1);
        QCOMPARE(int(sent[0].command), 0x38);
        QCOMPARE(sent[0].payload.size(), 3);
        QCOMPARE(window.callNumber(3, 1), QString());
    } else {
        QVERIFY(sent.isEmpty());
        QCOMPARE(window.callNumber(3, 1), QStringLiteral("0815"));
    }
    QCOMPARE(window.isLoggedIn(), loggedIn);
}

void TestLogin::otherPortKeepsLogin()
{
    PtyPeer second;
    qputenv(
        "VXCONFIG_PORTS", (peer->portName() + QLatin1Char(':') + second.portName()).toLocal8Bit());
    MainWindow window;
    logIn(window);

    auto *combo = child<QComboBox>(window, "comboPort");
    QCOMPARE(combo->itemText(1), second.portName());
    combo->setCurrentIndex(1);
    QVERIFY(window.isLoggedIn());
    QVERIFY(looksLoggedIn(window));
    QVERIFY(settle(second).isEmpty());

    // The newly opened port is the one the window talks to now.
    QTest::mouseClick(child<QPushButton>(window, "buttonLogin"), Qt::LeftButton);
    QVERIFY(second.waitForFrames(1));
    QCOMPARE(second.takeFrames(), QList<Frame> { logout });
    QVERIFY(settle(*peer).isEmpty());
}

void TestLogin::closeLogsOutBeforeThePortCloses()
{
    {
        MainWindow window;
        window.show();
        logIn(window);
        window.close();
    }
    QVERIFY(peer->waitForFrames(1));
    QCOMPARE(peer->takeFrames(), QList<Frame> { logout });
}

void TestLogin::lostPortWarnsOnce()
{
    MainWindow window;
    ModalAnswerer answerer;
    peer->close();
    QTest::qWait(500);
    QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Serielle Schnittstelle") });
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
