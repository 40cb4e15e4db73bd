// The window's port and login controls against a scripted adapter on a
// pseudo-terminal: what the user sees for each answer, and what goes out.

#include "configurationdocument.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"
#include "testhome.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

namespace {

using Frame = PtyPeer::Frame;

const Frame logout { 0x00, {} };
const Frame login1234 { 0x00, QByteArray("\x01\x02\x03\x04", 4) };

// The login state as the label and the button show it.
QString loginLook(const MainWindow &window)
{
    const auto *label = child<QLabel>(window, "loginLabel");
    return label->text() + ' ' + child<QPushButton>(window, "buttonLogin")->text() + ' '
        + label->styleSheet().section(':', -1);
}

QString look(bool loggedIn)
{
    return loggedIn ? QStringLiteral("Eingeloggt Logout green;")
                    : QStringLiteral("Ausgeloggt Login red;");
}

} // namespace

class TestWindowLink : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        peer = new PtyPeer(this);
        qputenv("VXCONFIG_PORTS", peer->portName().toLocal8Bit());
    }

    void cleanup()
    {
        delete peer;
        peer = nullptr;
    }

    void loginAndLogout_data()
    {
        QTest::addColumn<bool>("loggedInBefore");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("sent"); // empty: nothing
        QTest::addColumn<bool>("ack");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("loggedInAfter");

        const QByteArray none;
        QTest::newRow("short password") << false << "123" << none << false << "Passwort" << false;
        QTest::newRow("letters refused by the field")
            << false << "12ab" << none << false << "Passwort" << false;
        QTest::newRow("accepted") << false << "1234" << QByteArray("\x01\x02\x03\x04", 4) << true
                                  << "" << true;
        // The pane says once that the line echoes; the echo answers nothing.
        QTest::newRow("accepted over an echoing line")
            << false << "1234" << QByteArray("\x01\x02\x03\x04", 4) << true << "" << true;
        QTest::newRow("refused, then a logout")
            << false << "9999" << QByteArray("\x09\x09\x09\x09", 4) << false << "Login" << false;
        QTest::newRow("logout accepted") << true << "" << QByteArray() << true << "" << false;
        QTest::newRow("logout refused") << true << "" << QByteArray() << false << "" << true;
    }

    void loginAndLogout()
    {
        QFETCH(bool, loggedInBefore);
        QFETCH(QString, password);
        QFETCH(QByteArray, sent);
        QFETCH(bool, ack);
        QFETCH(QString, box);
        QFETCH(bool, loggedInAfter);

        MainWindow window;
        peer->echoing = QByteArray(QTest::currentDataTag()).contains("echo");
        if (loggedInBefore)
            logIn(window);
        else
            QTest::keyClicks(child<QLineEdit>(window, "passwordEdit"), password);

        ModalAnswerer answerer;
        click(window, "buttonLogin");
        if (!loggedInBefore && sent.isEmpty()) {
            QCOMPARE(answerer.titles(), QStringList { box });
            // The first frame the adapter sees is the next, proper login.
            logIn(window);
            return;
        }
        QVERIFY(peer->waitForFrames(1));
        QCOMPARE(peer->takeFrames(), (QList<Frame> { { 0x00, sent } }));
        // Nothing changes until the adapter answers.
        QCOMPARE(loginLook(window), look(loggedInBefore));

        ack ? peer->sendAck() : peer->sendNak();
        if (box == QLatin1String("Login")) {
            QVERIFY(peer->waitForFrames(1));
            QCOMPARE(peer->takeFrames(), QList<Frame> { logout });
        }
        QTRY_COMPARE(loginLook(window), look(loggedInAfter));
        QCOMPARE(window.isLoggedIn(), loggedInAfter);
        QCOMPARE(answerer.titles(), box.isEmpty() ? QStringList() : QStringList { box });
        const auto *pane = child<QTextEdit>(window, "contentEdit");
        QTRY_COMPARE(pane->toPlainText().count(QStringLiteral("Die Leitung sendet jedes Zeichen")),
            peer->echoing ? 1 : 0);
    }

    void passwordChangeAnswered_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<bool>("ack");
        QTest::addColumn<QString>("text");
        QTest::newRow("accepted") << true << true
                                  << "Das Masterpasswort wurde erfolgreich geändert.";
        QTest::newRow("refused") << true << false
                                 << "Beim ändern des Masterpassworts trat ein Fehler auf.";
        QTest::newRow("dialog cancelled") << false << false << "";
    }

    void passwordChangeAnswered()
    {
        QFETCH(bool, confirm);
        QFETCH(bool, ack);
        QFETCH(QString, text);
        MainWindow window;
        {
            // Logged out, the change only asks for the login.
            ModalAnswerer answerer;
            child<QAction>(window, "actionMasterpasswort_ndern")->trigger();
            QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Einloggen") });
        }
        logIn(window);

        ModalAnswerer dialogs(QMessageBox::Ok, [confirm](QWidget *dialog) {
            for (QLineEdit *edit : dialog->findChildren<QLineEdit *>())
                QTest::keyClicks(edit, QStringLiteral("5067"));
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            buttons->button(confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        window.actionChangePassword();
        if (!confirm) {
            expectNothingSent(window);
            return;
        }
        QVERIFY(peer->waitForFrames(1));
        const Frame change { 0x01, QByteArray("\x05\x0a\x06\x07\x05\x0a\x06\x07", 8) };
        QCOMPARE(peer->takeFrames(), QList<Frame> { change });

        ack ? peer->sendAck() : peer->sendNak();
        QTRY_COMPARE(dialogs.seen.size(), 2);
        QCOMPARE(dialogs.seen[1].title, QStringLiteral("Masterpasswort"));
        QCOMPARE(dialogs.seen[1].text, text);
        QCOMPARE(loginLook(window), look(true));
    }

    void resetClearsOnlyWhenAcknowledged_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("ack");
        QTest::newRow("no") << false << false;
        QTest::newRow("yes, acknowledged") << true << true;
        QTest::newRow("yes, refused") << true << false;
    }

    void resetClearsOnlyWhenAcknowledged()
    {
        QFETCH(bool, yes);
        QFETCH(bool, ack);
        MainWindow window;
        child<QAction>(window, "actionBackupBeforeWrite")->setChecked(false);
        logIn(window);
        window.document()->edit({ ConfigurationField::CallNumber1, 3, QStringLiteral("0815") });
        const auto number
            = [&] { return window.document()->configuration().entries[3].callNumber1; };

        ModalAnswerer answerer(yes ? QMessageBox::Yes : QMessageBox::No);
        child<QAction>(window, "actionZur_cksetzen")->trigger();
        QCOMPARE(answerer.titles().value(0), QStringLiteral("VX-Adapter zurücksetzen"));
        QCOMPARE(answerer.seen[0].text,
            QStringLiteral("Wollen Sie alle im Gerät gespeicherten Daten löschen?"));
        // Enter must not wipe the adapter.
        QCOMPARE(answerer.seen[0].defaultButton, QMessageBox::No);
        if (!yes) {
            expectNothingSent(window);
            QCOMPARE(number(), QStringLiteral("0815"));
            return;
        }
        QVERIFY(peer->waitForFrames(1));
        QCOMPARE(peer->takeFrames(), (QList<Frame> { { 0x38, "RST" } }));
        QCOMPARE(number(), QStringLiteral("0815"));
        ack ? peer->sendAck() : peer->sendNak();
        if (ack) {
            QTRY_COMPARE(number(), QString());
        } else {
            QTRY_COMPARE(answerer.seen.size(), 2);
            QCOMPARE(answerer.seen[1].title, QStringLiteral("Verbindungsfehler"));
            QCOMPARE(number(), QStringLiteral("0815"));
        }
    }

    void silentAdapterIsReported()
    {
        MainWindow window;
        child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
        ModalAnswerer answerer;
        QElapsedTimer clock;
        clock.start();
        click(window, "buttonLogin");
        QTRY_COMPARE_WITH_TIMEOUT(answerer.seen.size(), 1, 5000);
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(answerer.seen[0].title, QStringLiteral("Keine Antwort"));
        QVERIFY(answerer.seen[0].text.contains(peer->portName()));
        QVERIFY(answerer.seen[0].text.contains(QLatin1String("Login")));
        // The next attempt works.
        peer->takeFrames();
        logIn(window);
    }

    void portFailuresSayWhyAndReconnect()
    {
        // The window's port is a name that points at whichever adapter is there.
        QTemporaryDir folder;
        const QString port = folder.filePath(QStringLiteral("adapter"));
        qputenv("VXCONFIG_PORTS", port.toLocal8Bit());
        {
            ModalAnswerer answerer;
            MainWindow window;
            QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Serielle Schnittstelle") });
            QVERIFY(answerer.seen[0].text.startsWith(
                QStringLiteral("Die serielle Schnittstelle %1\nkonnte nicht geöffnet werden.\n\n")
                    .arg(port)));
            QVERIFY(answerer.seen[0].text.size() > 70); // the system's reason
            // Logging in without a port says so, and sends nothing anywhere.
            child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
            click(window, "buttonLogin");
            QCOMPARE(answerer.seen.size(), 2);
            QVERIFY(answerer.seen[1].text.startsWith(
                QStringLiteral("Es ist keine serielle Schnittstelle geöffnet.")));
        }

        QVERIFY(QFile::link(peer->portName(), port));
        MainWindow window;
        logIn(window);
        ModalAnswerer answerer;
        peer->close();
        QTRY_COMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen[0].title, QStringLiteral("Serielle Schnittstelle"));
        QVERIFY(!window.isLoggedIn());
        QCOMPARE(loginLook(window), look(false));

        // A new adapter on the same name: choosing it again opens it.
        PtyPeer next;
        QVERIFY(QFile::remove(port) && QFile::link(next.portName(), port));
        auto *combo = child<QComboBox>(window, "comboPort");
        emit combo->activated(combo->currentIndex());
        child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
        click(window, "buttonLogin");
        QVERIFY(next.waitForFrames(1));
        QCOMPARE(next.takeFrames(), QList<Frame> { login1234 });
        QCOMPARE(answerer.seen.size(), 1);
    }

    void closeLogsOut()
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

private:
    void logIn(MainWindow &window)
    {
        child<QLineEdit>(window, "passwordEdit")->setText(QStringLiteral("1234"));
        click(window, "buttonLogin");
        QVERIFY(peer->waitForFrames(1));
        QCOMPARE(peer->takeFrames(), QList<Frame> { login1234 });
        peer->sendAck();
        QTRY_VERIFY(window.isLoggedIn());
    }

    // Nothing went out since the last look: the next frame is the one a fresh
    // logout click sends.
    void expectNothingSent(MainWindow &window)
    {
        QVERIFY(window.isLoggedIn());
        click(window, "buttonLogin");
        QVERIFY(peer->waitForFrames(1));
        QCOMPARE(peer->takeFrames().first(), logout);
    }

    TestHome home;
    PtyPeer *peer = nullptr;
};

QTEST_MAIN(TestWindowLink)
#include "tst_windowlink.moc"
