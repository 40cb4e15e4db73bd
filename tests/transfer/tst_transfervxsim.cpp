// End to end against the simulator vxsim: what "Schreiben" leaves in the
// adapter, "Lesen" brings back, field by field.

#include "windowdriver.h"

#include "modalanswerer.h"
#include "vxsimprocess.h"

#include <QPointer>
#include <QTemporaryDir>

#include <memory>

namespace {

// Every field the configuration lives in, as the user sees it.
QStringList snapshot(const WindowDriver &d)
{
    QStringList fields { QStringLiteral("max %1").arg(d.maxCall()->value()),
        QStringLiteral("redirect %1").arg(d.redirect()->value()) };
    for (int n = 0; n <= 9; ++n) {
        QString entry = QStringLiteral("%1: %2 / %3 / %4")
                            .arg(n)
                            .arg(d.edit(n, "numberEdit1")->text(), d.edit(n, "numberEdit2")->text())
                            .arg(d.window.statusByte(n), 2, 16, QLatin1Char('0'));
        if (n > 0)
            entry += QStringLiteral(" / %1 / %2").arg(d.window.busAddress(n), d.switches(n));
        fields << entry;
    }
    return fields;
}

void fillConfiguration(const WindowDriver &d)
{
    d.maxCall()->setValue(75);
    d.redirect()->setValue(40);
    d.dialBox()->setChecked(true);
    d.edit(0, "numberEdit1")->setText(QStringLiteral("0815"));
    d.edit(0, "numberEdit2")->setText(QStringLiteral("0049301234567890123456"));
    d.box(0, "priorityBox")->setChecked(true);
    d.box(0, "callBox")->setChecked(true);
    for (int n = 1; n <= 9; ++n) {
        d.edit(n, "numberEdit1")->setText(QString::number(n * 1010));
        d.edit(n, "numberEdit2")->setText(n % 2 ? QStringLiteral("0%1").arg(n * 111) : QString());
        // Number first for the odd ones, as a user may type it.
        const QString address = n % 2 ? QStringLiteral("%1%2").arg(n + 15).arg(QChar('A' + n - 1))
                                      : QStringLiteral("%1%2").arg(QChar('A' + n - 1)).arg(n);
        d.typeAddress(n, address);
        d.box(n, "nightBox")->setChecked(n % 3 == 0);
        d.box(n, "featureBox")->setChecked(n % 2);
        d.box(n, "callBox")->setChecked(n % 2);
    }
}

int nakCount(const QByteArray &log)
{
    return int(log.count("tx fe 01 21 22"));
}

} // namespace

class TestTransferVxSim : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();

private:
    static void logIn(const WindowDriver &driver);
    static void runToEnd(const WindowDriver &driver, bool transmit);
};

void TestTransferVxSim::logIn(const WindowDriver &driver)
{
    driver.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&driver.window));
    driver.logIn();
    QTRY_VERIFY(driver.window.isLoggedIn());
}

void TestTransferVxSim::runToEnd(const WindowDriver &driver, bool transmit)
{
    ModalAnswerer answerer;
    transmit ? driver.clickTransmit() : driver.clickRequest();
    const QPointer<ProgressDialog> dialog = driver.progressDialog();
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog || !dialog->isVisible(), 60000);
    QVERIFY2(answerer.seen.isEmpty(), qPrintable(answerer.titles().join(QLatin1Char(','))));
}

void TestTransferVxSim::roundTrip_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("answering") << QStringList();
    QTest::newRow("every fifth command refused") << QStringList { "--nak-every", "5" };
}

void TestTransferVxSim::roundTrip()
{
    QFETCH(QStringList, options);
    const bool refusing = !options.isEmpty();
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QStringList keep { "--verbose", "--state",
        dir.filePath(QStringLiteral("adapter.state")) };

    auto sim = std::make_unique<VxSimProcess>();
    QVERIFY(sim->start(keep + options));
    qputenv("VXCONFIG_PORTS", sim->portName().toLocal8Bit());
    auto window = std::make_unique<MainWindow>();
    auto driver = std::make_unique<WindowDriver>(*window);
    logIn(*driver);
    if (QTest::currentTestFailed())
        return;

    fillConfiguration(*driver);
    const QStringList sent = snapshot(*driver);
    runToEnd(*driver, true);
    if (QTest::currentTestFailed())
        return;
    if (refusing)
        QVERIFY(nakCount(sim->standardError()) >= 5);

    window->resetConfiguration();
    QVERIFY(snapshot(*driver) != sent);

    if (refusing) {
        // The refusing simulator would refuse requests too, and a receive does
        // not repeat; a fresh one on the kept state answers them.
        driver.reset();
        window.reset();
        QVERIFY(sim->stop());
        sim = std::make_unique<VxSimProcess>();
        QVERIFY(sim->start(keep));
        qputenv("VXCONFIG_PORTS", sim->portName().toLocal8Bit());
        window = std::make_unique<MainWindow>();
        driver = std::make_unique<WindowDriver>(*window);
        logIn(*driver);
        if (QTest::currentTestFailed())
            return;
    }

    runToEnd(*driver, false);
    QCOMPARE(snapshot(*driver), sent);
}

QTEST_MAIN(TestTransferVxSim)
#include "tst_transfervxsim.moc"
