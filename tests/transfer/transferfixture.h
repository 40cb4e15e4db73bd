#pragma once

// A main window logged in to a scripted adapter on a fresh pseudo-terminal,
// for the init() and cleanup() of the transfer tests.

#include "modalanswerer.h"
#include "scriptedadapter.h"
#include "windowdriver.h"

#include <memory>

class TransferFixture
{
protected:
    bool openLoggedIn()
    {
        peer = std::make_unique<PtyPeer>();
        if (!peer->isOpen())
            return false;
        qputenv("VXCONFIG_PORTS", peer->portName().toLocal8Bit());
        window = std::make_unique<MainWindow>();
        driver = std::make_unique<WindowDriver>(*window);
        adapter = std::make_unique<ScriptedAdapter>(*peer);
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        driver->logIn();
        if (!QTest::qWaitFor([this] { return window->isLoggedIn(); }))
            return false;
        adapter->frames.clear();
        return true;
    }

    void closeAll()
    {
        adapter.reset();
        driver.reset();
        window.reset();
        peer.reset();
    }

    // Logged out again, a click on the button must only ask for the login:
    // no frame, no progress dialog.
    void expectLoginRequired(void (WindowDriver::*click)() const)
    {
        driver->logIn(); // the button logs out while logged in
        QTRY_VERIFY(!window->isLoggedIn());
        adapter->frames.clear();

        ModalAnswerer answerer;
        ((*driver).*click)();
        QCOMPARE(answerer.titles(), QStringList { QStringLiteral("Einloggen") });
        QCOMPARE(answerer.seen[0].text,
            QStringLiteral("Sie müssen sich einloggen um den VX-Adapter zu konfigurieren."));
        QTest::qWait(200);
        QVERIFY(adapter->frames.isEmpty());
        QVERIFY(!driver->progressDialog());
    }

    std::unique_ptr<PtyPeer> peer;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> driver;
    std::unique_ptr<ScriptedAdapter> adapter;
};
