#pragma once

// A main window logged in to a scripted adapter on a fresh pseudo-terminal,
// for the init() and cleanup() of the transfer tests.

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

    std::unique_ptr<PtyPeer> peer;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowDriver> driver;
    std::unique_ptr<ScriptedAdapter> adapter;
};
