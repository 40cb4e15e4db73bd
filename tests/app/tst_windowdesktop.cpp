// The window as a technician works it at the desk, in German and English: the
// whole job by keyboard, Tab in reading order with the roster following the
// focus, and no text cut off at the default, the smallest or a full-screen
// size. The layout cases leave screenshots in layout/ beside the test.

#include "configurationdocument.h"
#include "languageapplication.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "namedchild.h"
#include "ptypeer.h"
#include "testhome.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

namespace {

void speak(MainWindow &window, const QString &language)
{
    child<QAction>(window, language == QLatin1String("en") ? "actionEnglisch" : "actionDeutsch")
        ->trigger();
    QCoreApplication::processEvents();
}

// "3:addressEdit" for a field of attendee 3, the object name elsewhere.
QString fieldName(const QWidget *w, const QListWidget *roster)
{
    while (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
        w = w->parentWidget();
    const QWidget *row = w;
    while (row && row->parentWidget() != roster->viewport())
        row = row->parentWidget();
    return (row ? QString::number(roster->indexAt(row->pos()).row()) + ':' : QString())
        + w->objectName();
}

// Labels and buttons narrower than their text, wrapped labels lower than it.
QStringList clippedTexts(const QWidget &window)
{
    QStringList clipped;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty() || !w->isVisibleTo(&window) || w->inherits("ElidedLabel"))
            continue;
        const bool wraps = label && label->wordWrap();
        if (w->width() < (wraps ? w->minimumSizeHint() : w->sizeHint()).width()
            || (wraps && w->height() < w->heightForWidth(w->width())))
            clipped << text;
    }
    return clipped;
}

} // namespace

class TestWindowDesktop : public QObject
{
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder()
    {
        const int unfolded = 4;
        // The disabled signalling boxes never take the focus.
        QString order = "0:numberEdit1 0:numberEdit2 0:priorityBox 0:nightBox 0:callBox";
        for (int attendee = 1; attendee <= 9; ++attendee) {
            order += QString(
                " %1:numberEdit1 %1:numberEdit2 %1:addressLabel %1:addressEdit %1:featureBox")
                         .arg(attendee);
            if (attendee == unfolded)
                order += QString(" %1:priorityBox %1:nightBox %1:callBox").arg(attendee);
        }
        order += " passwordEdit buttonLogin comboPort spinMaxCall spinRedirect dialBox "
                 "buttonRequest buttonTransmit contentEdit buttonClear 0:numberEdit1";
        const QStringList expected = order.split(' ');

        MainWindow window;
        window.document()->edit({ ConfigurationField::StatusByte, unfolded, QString(), 0x20 });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList visited;
        while (visited.size() < expected.size()) {
            QWidget *focus = QApplication::focusWidget();
            visited << fieldName(focus, child<QListWidget>(window, "listWidget"));
            // The roster scrolls the field into sight.
            QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(visited.last()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
    }

    void keysReachTheirTargets_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("title"); // of the dialog that comes up; none: the window closes

        QTest::newRow("open") << "de" << QKeySequence(QKeySequence::Open) << "Datei laden";
        QTest::newRow("save") << "de" << QKeySequence(QKeySequence::Save) << "Datei speichern";
        QTest::newRow("quit") << "en" << QKeySequence("Ctrl+Q") << "";
        // Logged out, "Schreiben" asks for the login.
        QTest::newRow("Schreiben") << "de" << QKeySequence("Alt+S") << "Einloggen";
        // To the password field, where Enter logs in with too few digits.
        QTest::newRow("Enter") << "de" << QKeySequence("Alt+M, Return") << "Passwort";
    }

    void keysReachTheirTargets()
    {
        QFETCH(QString, language);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, title);

        MainWindow window;
        speak(window, language);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClicks(child<QWidget>(window, "passwordEdit"), "12");
        ModalAnswerer answerer;

        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(
                QApplication::focusWidget(), keys[i].key(), keys[i].keyboardModifiers());

        // A button clicks a moment after its key.
        if (title.isEmpty())
            QTRY_VERIFY(!window.isVisible());
        else
            QTRY_COMPARE(answerer.titles(), QStringList { title });
    }

    void mnemonicsDoNotClash()
    {
        for (const char *language : { "de", "en" }) {
            MainWindow window;
            speak(window, QLatin1String(language));

            // Each menu on its own; the menu bar with the buttons and labelled fields.
            QList<QStringList> areas { {} };
            for (const QAction *menu : child<QMenuBar>(window, "menuBar")->actions()) {
                areas.first() << menu->text();
                areas << QStringList();
                for (const QAction *action : menu->menu()->actions())
                    areas.last() << action->text();
                areas.last().removeAll(QString()); // separators
            }
            const QWidget *column = child<QWidget>(window, "frame");
            for (const QAbstractButton *button : column->findChildren<QAbstractButton *>())
                areas.first() << button->text();
            for (const QLabel *label : column->findChildren<QLabel *>())
                areas.first() << (label->buddy() ? label->text() : QString());
            areas.first().removeAll(QString());

            for (const QStringList &texts : areas) {
                QList<QKeySequence> seen;
                for (const QString &text : texts) {
                    seen << QKeySequence::mnemonic(text);
                    QVERIFY2(!seen.last().isEmpty() && seen.count(seen.last()) == 1,
                        qPrintable(language + (": " + text)));
                }
            }
        }
    }

    void noTextClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QSize>("size");
        for (const char *language : { "de", "en" }) {
            QTest::addRow("%s default", language) << language << QSize();
            QTest::addRow("%s smallest", language) << language << QSize(1, 1);
            QTest::addRow("%s full screen", language) << language << QSize(1920, 1080);
        }
    }

    void noTextClipped()
    {
        QFETCH(QString, language);
        QFETCH(QSize, size);

        MainWindow window;
        speak(window, language);
        window.document()->edit({ ConfigurationField::StatusByte, 2, QString(), 0x3D });
        // Folded away, summed up in the title row.
        window.document()->edit({ ConfigurationField::StatusByte, 3, QString(), 0x1C });
        window.resize(size.isValid() ? size : window.size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString folder = QCoreApplication::applicationDirPath() + "/layout/";
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(window.grab().save(
            folder + QString(QTest::currentDataTag()).replace(' ', '-') + ".png"));
        const QStringList clipped = clippedTexts(window);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(" | ")));
        auto *roster = child<QListWidget>(window, "listWidget");
        QVERIFY(!roster->horizontalScrollBar()->isVisible()); // nothing cut off at the side
        // Room to spare goes to both call numbers alike, to the pixel.
        const QWidget *panel = roster->itemWidget(roster->item(1));
        const int difference = child<QWidget>(*panel, "numberEdit1")->width()
            - child<QWidget>(*panel, "numberEdit2")->width();
        QVERIFY(size.width() < 1000 || qAbs(difference) <= 1);
    }
};

int main(int argc, char **argv)
{
    LanguageApplication app(argc, argv);
    TestHome home;
    // A port that opens, so that no warning comes up.
    PtyPeer port;
    qputenv("VXCONFIG_PORTS", port.portName().toLocal8Bit());
    TestWindowDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowdesktop.moc"
