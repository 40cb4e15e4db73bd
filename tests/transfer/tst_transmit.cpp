// "Schreiben" against a scripted adapter on a pseudo-terminal: the 41 frames
// on the wire, repetition after a NAK, failure, cancel and restart.

#include "windowdriver.h"

#include "modalanswerer.h"
#include "transferfixture.h"

#include <QPointer>

namespace {

using Frame = PtyPeer::Frame;

Frame frame(byte command, std::initializer_list<int> payload)
{
    QByteArray bytes;
    for (int b : payload)
        bytes.append(char(b));
    return { command, bytes };
}

// Every kind of value: times, a number with 0 and a blank, an address typed
// number first, empty attendees, status bits of both layouts.
void fillConfiguration(const WindowDriver &d)
{
    d.maxCall()->setValue(70);
    d.redirect()->setValue(25);
    d.dialBox()->setChecked(true);
    d.edit(0, "numberEdit1")->setText(QStringLiteral("0815"));
    d.edit(0, "numberEdit2")->setText(QStringLiteral("120 3"));
    d.box(0, "nightBox")->setChecked(true);

    d.edit(1, "numberEdit1")->setText(QStringLiteral("11"));
    d.edit(1, "numberEdit2")->setText(QStringLiteral("0 1"));
    d.typeAddress(1, QStringLiteral("12b"));
    d.box(1, "featureBox")->setChecked(true);
    d.box(1, "priorityBox")->setChecked(true);

    d.edit(2, "numberEdit1")->setText(QStringLiteral("2222"));
    d.typeAddress(2, QStringLiteral("C3"));
    d.box(2, "nightBox")->setChecked(true);

    d.edit(9, "numberEdit1")->setText(QStringLiteral("9"));
    d.typeAddress(9, QStringLiteral("I24"));
    d.box(9, "signalBox")->setChecked(true);
    d.box(9, "callBox")->setChecked(true);
}

QList<Frame> expectedFrames()
{
    QList<Frame> frames {
        frame(0x03, { 25 }),
        frame(0x04, { 70 }),
        frame(0x02, { 0, 1, 0x0a, 8, 1, 5 }),
        frame(0x02, { 0, 2, 1, 2, 0x0a, 3 }),
        frame(0x05, { 0, 0x41 }),
        frame(0x02, { 1, 1, 1, 1 }),
        frame(0x02, { 1, 2, 0x0a, 1 }),
        frame(0x05, { 1, 0x30 }),
        frame(0x09, { 1, 12, 'B' }),
        frame(0x02, { 2, 1, 2, 2, 2, 2 }),
        frame(0x02, { 2, 2 }),
        frame(0x05, { 2, 0x01 }),
        frame(0x09, { 2, 3, 'C' }),
    };
    for (int n = 3; n <= 8; ++n) {
        frames << frame(0x02, { n, 1 }) << frame(0x02, { n, 2 }) << frame(0x05, { n, 0 })
               << frame(0x09, { n, 0 });
    }
    frames << frame(0x02, { 9, 1, 9 }) << frame(0x02, { 9, 2 }) << frame(0x05, { 9, 0x0c })
           << frame(0x09, { 9, 24, 'I' });
    return frames;
}

QStringList expectedLabels()
{
    QStringList labels { QStringLiteral("Rufsignalisierung"),
        QStringLiteral("Maximale Rufweiterschaltung") };
    const QStringList steps { QStringLiteral("Rufnummer 1"), QStringLiteral("Rufnummer 2"),
        QStringLiteral("Status Byte"), QStringLiteral("Bus-Adresse") };
    for (int n = 0; n <= 9; ++n) {
        const QString name
            = n == 0 ? QStringLiteral("Master") : QStringLiteral("Teilnehmer %1").arg(n);
        for (int step = 0; step < (n == 0 ? 3 : 4); ++step)
            labels << name + QStringLiteral(" -> ") + steps[step];
    }
    return labels;
}

const QString transferFailed
    = QStringLiteral("Es wurden falsche Daten übertragen oder die Verbindung gestört.");

} // namespace

class TestTransmit : public QObject, private TransferFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sendsWholeConfiguration();
    void nakRepeatsSameCommand();
    void fourthNakFails();
    void cancelStopsSequence();
    void pendingRepetitionDropped_data();
    void pendingRepetitionDropped();
    void restartWhileRunning_data();
    void restartWhileRunning();
    void loggedOutChecksNothing();
};

void TestTransmit::init()
{
    QVERIFY(openLoggedIn());
}

void TestTransmit::cleanup()
{
    closeAll();
}

void TestTransmit::sendsWholeConfiguration()
{
    fillConfiguration(*driver);
    QStringList labels;
    QList<int> progress;
    adapter->setScript([&](int, const Frame &) {
        const ProgressDialog *dialog = driver->progressDialog();
        labels << WindowDriver::processText(dialog);
        progress << dialog->currentProgress();
        return ScriptedAdapter::ack();
    });

    ModalAnswerer answerer;
    driver->clickTransmit();
    const QPointer<ProgressDialog> dialog = driver->progressDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->isModal());

    QVERIFY(adapter->waitForFrames(41));
    QTRY_VERIFY(!dialog || !dialog->isVisible());
    QTest::qWait(200);

    QCOMPARE(
        ScriptedAdapter::describe(adapter->frames), ScriptedAdapter::describe(expectedFrames()));
    QCOMPARE(labels, expectedLabels());
    QList<int> counted;
    for (int i = 1; i <= 41; ++i)
        counted << i;
    QCOMPARE(progress, counted);
    QVERIFY(answerer.seen.isEmpty());
}

void TestTransmit::nakRepeatsSameCommand()
{
    // The first copy of master step 3 and three copies of step 4 are refused;
    // the ACK in between starts the count of repetitions again.
    adapter->setScript([](int index, const Frame &) {
        return index == 2 || (index >= 4 && index <= 6) ? ScriptedAdapter::nak()
                                                        : ScriptedAdapter::ack();
    });
    ModalAnswerer answerer;
    driver->clickTransmit();

    QVERIFY(adapter->waitForFrames(3));
    // The repetition waits for its second.
    QTest::qWait(500);
    QCOMPARE(adapter->frames.size(), 3);

    QVERIFY(adapter->waitForFrames(45, 20000));
    QTRY_VERIFY(!driver->progressDialog() || !driver->progressDialog()->isVisible());
    QTest::qWait(200);

    // The window holds its defaults: times 60 and 30, everything else empty.
    QList<Frame> expected { frame(0x03, { 30 }), frame(0x04, { 60 }), frame(0x02, { 0, 1 }),
        frame(0x02, { 0, 1 }), frame(0x02, { 0, 2 }), frame(0x02, { 0, 2 }), frame(0x02, { 0, 2 }),
        frame(0x02, { 0, 2 }), frame(0x05, { 0, 0 }) };
    for (int n = 1; n <= 9; ++n) {
        expected << frame(0x02, { n, 1 }) << frame(0x02, { n, 2 }) << frame(0x05, { n, 0 })
                 << frame(0x09, { n, 0 });
    }
    QCOMPARE(ScriptedAdapter::describe(adapter->frames), ScriptedAdapter::describe(expected));
    QVERIFY(answerer.seen.isEmpty());
}

void TestTransmit::fourthNakFails()
{
    adapter->setScript([](int index, const Frame &) {
        return index < 4 ? ScriptedAdapter::nak() : ScriptedAdapter::ack();
    });
    ModalAnswerer answerer;
    driver->clickTransmit();
    const QPointer<ProgressDialog> dialog = driver->progressDialog();

    QVERIFY(adapter->waitForFrames(4));
    QTRY_COMPARE(answerer.titles(), QStringList { QStringLiteral("Verbindungsfehler") });
    QCOMPARE(answerer.seen[0].text, transferFailed);
    QCOMPARE(ScriptedAdapter::describe(adapter->frames),
        ScriptedAdapter::describe(QList<Frame>(4, frame(0x03, { 30 }))));

    // The dialog stays with its last label until the user closes it.
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(WindowDriver::processText(dialog), QStringLiteral("Rufsignalisierung"));

    peer->sendAck();
    QTest::qWait(100);
    peer->sendAck();
    QTest::qWait(1500);
    QCOMPARE(adapter->frames.size(), 4);
    QCOMPARE(answerer.seen.size(), 1);
}

void TestTransmit::cancelStopsSequence()
{
    const int attendee4Number1 = 5 + 3 * 4;
    adapter->setScript([&](int index, const Frame &) {
        if (index == attendee4Number1)
            WindowDriver::cancel(driver->progressDialog());
        // The answer to the command in flight still arrives.
        return ScriptedAdapter::ack();
    });
    driver->clickTransmit();
    QVERIFY(adapter->waitForFrames(attendee4Number1 + 1));
    QTest::qWait(300);
    QCOMPARE(adapter->frames.size(), attendee4Number1 + 1);
    QCOMPARE(adapter->frames.last(), frame(0x02, { 4, 1 }));

    // The next "Schreiben" starts from the beginning.
    fillConfiguration(*driver);
    adapter->frames.clear();
    adapter->setScript(ScriptedAdapter::acknowledgeAll());
    driver->clickTransmit();
    QVERIFY(adapter->waitForFrames(41));
    QTest::qWait(200);
    QCOMPARE(
        ScriptedAdapter::describe(adapter->frames), ScriptedAdapter::describe(expectedFrames()));
}

void TestTransmit::pendingRepetitionDropped_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::newRow("cancelled") << "cancel";
    QTest::newRow("restarted") << "restart";
    QTest::newRow("acknowledged after all") << "ack";
}

void TestTransmit::pendingRepetitionDropped()
{
    QFETCH(QString, meanwhile);
    adapter->setScript([](int index, const Frame &) {
        if (index == 2)
            return ScriptedAdapter::nak();
        return index < 2 ? ScriptedAdapter::ack() : QByteArray();
    });
    driver->clickTransmit();
    QVERIFY(adapter->waitForFrames(3));
    // Let the NAK arrive and arm the repetition.
    QTest::qWait(300);
    QCOMPARE(adapter->frames.size(), 3);

    if (meanwhile == QLatin1String("restart"))
        driver->clickTransmit();
    else if (meanwhile == QLatin1String("cancel"))
        WindowDriver::cancel(driver->progressDialog());
    else
        peer->sendAck();
    QTest::qWait(1700);

    if (meanwhile == QLatin1String("cancel")) {
        QCOMPARE(adapter->frames.size(), 3);
    } else if (meanwhile == QLatin1String("ack")) {
        // The sequence goes on with master step 4, sent once.
        QCOMPARE(ScriptedAdapter::describe(adapter->frames.mid(3)),
            ScriptedAdapter::describe({ frame(0x02, { 0, 2 }) }));
    } else {
        // Only the new run's first command, once.
        QCOMPARE(ScriptedAdapter::describe(adapter->frames.mid(3)),
            ScriptedAdapter::describe({ frame(0x03, { 30 }) }));
        adapter->setScript(ScriptedAdapter::acknowledgeAll());
        peer->sendAck();
        QVERIFY(adapter->waitForFrames(3 + 41));
        QTest::qWait(200);
        QCOMPARE(adapter->frames.size(), 3 + 41);
        QCOMPARE(adapter->frames[4], frame(0x04, { 60 }));
    }
}

void TestTransmit::restartWhileRunning_data()
{
    QTest::addColumn<bool>("cancelEarlier");
    QTest::newRow("answers carry on") << false;
    QTest::newRow("earlier dialog cancelled") << true;
}

void TestTransmit::restartWhileRunning()
{
    QFETCH(bool, cancelEarlier);
    fillConfiguration(*driver);
    const int held = 7;
    adapter->setScript([&](int index, const Frame &) {
        return index == held ? QByteArray() : ScriptedAdapter::ack();
    });
    driver->clickTransmit();
    QVERIFY(adapter->waitForFrames(held + 1));
    QTest::qWait(100);
    const QPointer<ProgressDialog> earlier = driver->progressDialog();
    const QString earlierText = WindowDriver::processText(earlier);
    QCOMPARE(earlierText, QStringLiteral("Teilnehmer 1 -> Status Byte"));

    if (cancelEarlier)
        adapter->setScript(ScriptedAdapter::silent());
    driver->clickTransmit();
    const QPointer<ProgressDialog> later = driver->progressDialog();
    QVERIFY(later != earlier);
    QVERIFY(adapter->waitForFrames(held + 2));
    QCOMPARE(adapter->frames[held + 1], frame(0x03, { 25 }));

    if (cancelEarlier) {
        WindowDriver::cancel(earlier);
        // Answers to both commands in flight: neither may advance the ended run.
        peer->sendAck();
        QTest::qWait(100);
        peer->sendAck();
        QTest::qWait(300);
        QCOMPARE(adapter->frames.size(), held + 2);
        return;
    }

    // The answer still due to the earlier run counts for the new one; the new
    // run goes through all 41 commands in order all the same.
    peer->sendAck();
    QVERIFY(adapter->waitForFrames(held + 1 + 41));
    QTRY_VERIFY(!later || !later->isVisible());
    QTest::qWait(200);
    QCOMPARE(ScriptedAdapter::describe(adapter->frames.mid(held + 1)),
        ScriptedAdapter::describe(expectedFrames()));
    QVERIFY(earlier && earlier->isVisible());
    QCOMPARE(WindowDriver::processText(earlier), earlierText);
}

void TestTransmit::loggedOutChecksNothing()
{
    // Would fail the input check, which must not even run.
    driver->typeAddress(3, QStringLiteral("A5"));
    expectLoginRequired(&WindowDriver::clickTransmit);
}

QTEST_MAIN(TestTransmit)
#include "tst_transmit.moc"
