#pragma once

// The main window as the settings-file tests use it: on a pseudo-terminal so
// that no port warning appears, filled with a known configuration, and worked
// through its menu actions and the file dialogs they open.

#include "kelvoaddresslabel.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "ptypeer.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>

#include <memory>

class SettingsWindow
{
public:
    // What the file dialog showed.
    struct Dialog
    {
        QString title;
        QStringList filters;
        QString directory;
        bool seen = false;
    };

    SettingsWindow()
    {
        qputenv("VXCONFIG_PORTS", peer.portName().toLocal8Bit());
        window = std::make_unique<MainWindow>();
    }

    // Every value differs from the defaults, so that a field the import empties
    // or a box it clears shows. Extended functions are on for odd attendees.
    void fillBaseline()
    {
        spin("spinMaxCall")->setValue(80);
        spin("spinRedirect")->setValue(40);
        window->setCallNumber(0, QStringLiteral("301"), 1);
        window->setCallNumber(0, QStringLiteral("302"), 2);
        window->setStatusByte(0, 0x5d);
        for (int n = 1; n <= 9; ++n) {
            window->setCallNumber(n, QStringLiteral("4%11").arg(n), 1);
            window->setCallNumber(n, QStringLiteral("4%12").arg(n), 2);
            window->setBusAddress(n, QStringLiteral("%1%2").arg(QChar('A' + n - 1)).arg(n));
            window->setStatusByte(n, n % 2 ? 0x3d : 0x1d);
        }
    }

    QSpinBox *spin(const char *name) const
    {
        return window->findChild<QSpinBox *>(QLatin1String(name));
    }
    QWidget *panel(int entry) const
    {
        auto *list = window->findChild<QListWidget *>(QStringLiteral("listWidget"));
        return list->itemWidget(list->item(entry));
    }

    // Everything the settings files touch, one "key=value" line each, as the
    // user sees it: n.name for the widget name of entry n's panel.
    QStringList snapshot() const
    {
        QStringList lines;
        lines << line("spinMaxCall", QString::number(spin("spinMaxCall")->value()));
        lines << line("spinRedirect", QString::number(spin("spinRedirect")->value()));
        lines << line("dialBox", checked(window->findChild<QCheckBox *>("dialBox")));
        for (int n = 0; n <= 9; ++n) {
            QStringList edits { "numberEdit1", "numberEdit2" };
            QStringList boxes { "nightBox", "signalBox", "callBox", "priorityBox" };
            if (n > 0) {
                edits << "addressEdit";
                boxes << "featureBox";
                lines << line(n, "addressLabel",
                    panel(n)->findChild<KelvoAddressLabel *>("addressLabel")->getAddressName());
            }
            for (const QString &name : edits)
                lines << line(n, name, panel(n)->findChild<QLineEdit *>(name)->text());
            for (const QString &name : boxes)
                lines << line(n, name, checked(panel(n)->findChild<QCheckBox *>(name)));
        }
        lines.sort();
        return lines;
    }

    // The snapshot with some lines replaced, given as "key=value".
    static QStringList changed(QStringList snapshot, const QStringList &changes)
    {
        for (const QString &change : changes) {
            const QString key = change.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
            const auto old = std::find_if(snapshot.begin(), snapshot.end(),
                [&](const QString &l) { return l.startsWith(key); });
            if (old == snapshot.end())
                qFatal("no such value: %s", qPrintable(key));
            *old = change;
        }
        return snapshot;
    }

    // Triggers the menu action; its file dialog gets fileName typed in and
    // Return pressed, or is cancelled when fileName is empty. Message boxes are
    // answered with OK and recorded in boxes, the file dialog in dialog.
    void trigger(const char *action, const QString &fileName)
    {
        boxes.clear();
        dialog = Dialog();
        ModalAnswerer answerer(QMessageBox::Ok, [&](QWidget *modal) {
            auto *fileDialog = qobject_cast<QFileDialog *>(modal);
            if (!fileDialog) {
                qobject_cast<QDialog *>(modal)->reject();
                return;
            }
            dialog = { fileDialog->windowTitle(), fileDialog->nameFilters(),
                fileDialog->directory().absolutePath(), true };
            if (fileName.isEmpty()) {
                fileDialog->reject();
                return;
            }
            // Typed before the dialog has settled, the name is not taken up.
            if (!QTest::qWaitForWindowActive(fileDialog))
                qWarning("file dialog never became active");
            auto *edit = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            edit->clear();
            QTest::keyClicks(edit, fileName);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        window->findChild<QAction *>(QLatin1String(action))->trigger();
        for (const ModalAnswerer::Seen &seen : std::as_const(answerer.seen)) {
            if (seen.className == QLatin1String("QMessageBox"))
                boxes << seen.title + QLatin1String(": ") + seen.text;
        }
    }

    PtyPeer peer;
    std::unique_ptr<MainWindow> window;
    QStringList boxes; // "title: text" of each message box, in order
    Dialog dialog;

private:
    static QString checked(const QCheckBox *box) { return box->isChecked() ? "1" : "0"; }
    static QString line(const char *name, const QString &value)
    {
        return QLatin1String(name) + QLatin1Char('=') + value;
    }
    static QString line(int entry, const QString &name, const QString &value)
    {
        return QString::number(entry) + QLatin1Char('.') + name + QLatin1Char('=') + value;
    }
};

namespace SettingsTexts {
const QString importFailed
    = QStringLiteral("Importieren: Die zu importierenden Daten konnten nicht gelesen werden.");
const QString callTimeOrder = QStringLiteral("Konfiguration: Die Maximale Rufsignalisierung muss "
                                             "größer als die Rufweiterschaltung sein.");
} // namespace SettingsTexts
