// The configuration on screen without any widget: whole configurations taken
// as they come, typing as undo steps, and the states of the file and the
// adapter that the title and the status bar show.

#include "configurationdocument.h"
#include "inputcheck.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>

using State = ConfigurationDocument::AdapterState;

namespace {

using Field = ConfigurationField;

// An edit as a view sends it: "max=45", "4.number1=030", "2.status=0x08"
// (that option ticked); fields named as in the order of ConfigurationField.
std::optional<ConfigurationChange> edit(const QString &step)
{
    static const QStringList fields { "max", "redirect", "number1", "number2", "status",
        "address" };
    const QString key = step.section('=', 0, 0), text = step.section('=', 1);
    const int field = fields.indexOf(key.section('.', -1)), number = text.toInt(nullptr, 0);
    if (!step.contains('=') || field < 0)
        return std::nullopt;
    return ConfigurationChange { Field(field), key.section('.', 0, 0).toInt(), text, number,
        byte(Field(field) == Field::StatusByte ? number : 0xff) };
}

// The defaults with such edits.
Configuration configured(const QString &edits)
{
    Configuration c;
    for (const QString &step : edits.split(' '))
        c.apply(*edit(step));
    return c;
}

// What the adapter holds in the rows.
const Configuration adapter = configured("max=25 redirect=10 4.number1=7 4.address=A12");

void run(ConfigurationDocument &document, const QString &script)
{
    static const QHash<QString, std::function<void(ConfigurationDocument &)>> steps {
        { "open", [](auto &d) { d.open("a.tml", configured("max=31")); } },
        { "open8/5", [](auto &d) { d.open("b.tml", configured("max=8 redirect=5")); } },
        { "read", [](auto &d) { d.read(adapter); } },
        { "read30/30", [](auto &d) { d.read(configured("max=30")); } },
        { "import", [](auto &d) { d.importSettings(configured("max=99 redirect=98")); } },
        { "backup", [](auto &d) { d.restoreBackup(configured("max=0 redirect=0")); } },
        { "reset", [](auto &d) { d.resetScreen(); } },
        { "save", [](auto &d) { d.markSaved("a.tml"); } },
        { "write", [](auto &d) { d.markAdapterHolds(d.configuration()); } },
        { "partly", [](auto &d) { d.markPartlyWritten(); } },
        { "forget", [](auto &d) { d.forgetAdapter(); } },
        { "undo", [](auto &d) { d.undoStack()->undo(); } },
    };
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        if (const auto change = edit(step))
            document.edit(*change);
        else
            steps.value(step, [&](auto &) { QFAIL(qPrintable("no step " + step)); })(document);
    }
}

} // namespace

class TestConfigurationDocument : public QObject
{
    Q_OBJECT

private slots:
    void steps_data();
    void steps();
};

void TestConfigurationDocument::steps_data()
{
    QTest::addColumn<QString>("times"); // on screen; "zu knapp" when the check stops a write
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("clean");
    QTest::addColumn<State>("state");

    const auto row = [](const char *script, const char *times, int steps, const char *undo,
                         bool modified, bool clean, State state) {
        QTest::newRow(script) << times << steps << undo << modified << clean << state;
    };
    const State S = State::Same, D = State::Different, U = State::Unknown;
    const char *number1 = "Rufnummer 1 von Teilnehmer 4 ändern";
    // As they are: against the other time on screen, 30/30 used to become 32/30, 8/5 12/5.
    row("open read30/30", "30/30 zu knapp", 2, "Lesen", true, false, S);
    row("open read undo", "31/30 zu knapp", 2, "Öffnen", false, true, D);
    row("open open8/5", "8/5", 2, "Öffnen", false, true, U);
    row("open import", "99/98 zu knapp", 2, "Importieren", true, false, U);
    row("open import undo", "31/30 zu knapp", 2, "Öffnen", true, false, U); // the file forgotten
    row("open backup", "0/0 zu knapp", 2, "Sicherung wiederherstellen", true, false, U);
    row("open reset", "60/30", 2, "Zurücksetzen", true, false, U);
    // Typing: one step per field; the box used to open at the 4 of 45.
    row("4.number1=0 4.number1=03 4.number1=030 undo", "60/30", 1, "", false, true, U);
    row("max=4 max=45", "45/30", 1, "Maximale Zeit der Rufsignalisierung ändern", true, false, U);
    row("4.number1=1 4.number2=2 4.number1=12", "60/30", 3, number1, true, false, U);
    row("3.number1=1 4.number1=1", "60/30", 2, number1, true, false, U);
    row("2.status=0x01 2.status=0x08", "60/30", 2, "Optionen von Teilnehmer 2 ändern", true, false,
        U);
    row("4.number1=1 4.number1=", "60/30", 0, "", false, true, U);
    row("0.address=A1 redirect=30", "60/30", 0, "", false, true, U);
    // The states; read 25/10 used to become 32/10. Undo changes the screen, not the marks.
    row("read", "25/10", 1, "Lesen", true, false, S); // unnamed: differs from the defaults
    row("read 4.number1=8", "25/10", 2, number1, true, false, D);
    row("read 4.address=12A", "25/10", 2, "Kelvo-Adresse von Teilnehmer 4 ändern", true, false, S);
    row("read 4.number1=8 undo", "25/10", 2, "Lesen", true, false, S);
    row("read save", "25/10", 1, "Lesen", false, true, S);
    row("read save 4.number1=8 undo", "25/10", 2, "Lesen", false, true, S);
    // The * stays after a write: the file is still what it was.
    row("read save 4.number1=8 write", "25/10", 2, number1, true, false, S);
    row("read 4.number1=8 partly", "25/10", 2, number1, true, false, State::PartlyWritten);
    row("partly read", "25/10", 1, "Lesen", true, false, S);
    row("read forget", "25/10", 1, "Lesen", true, false, U);
}

void TestConfigurationDocument::steps()
{
    QFETCH(QString, times);
    QFETCH(int, steps);
    QFETCH(QString, undoText);
    QFETCH(bool, modified);
    QFETCH(bool, clean);
    QFETCH(State, state);

    ConfigurationDocument document;
    QSignalSpy modifiedSpy(&document, &ConfigurationDocument::modifiedChanged);
    QSignalSpy stateSpy(&document, &ConfigurationDocument::adapterStateChanged);
    run(document, QTest::currentDataTag());

    const Configuration &c = document.configuration();
    QCOMPARE(QStringLiteral("%1/%2").arg(c.maxCallTime).arg(c.callRedirectTime)
            + (callTimesFit(c) ? "" : " zu knapp"),
        times);
    QCOMPARE(document.undoStack()->count(), steps);
    QCOMPARE(document.undoStack()->undoText(), undoText);
    QCOMPARE(document.isModified(), modified);
    QCOMPARE(document.undoStack()->isClean(), clean);
    QCOMPARE(document.adapterState(), state);
    // The last signals tell the same.
    QCOMPARE(!modifiedSpy.isEmpty() && modifiedSpy.last().at(0).toBool(), modified);
    QCOMPARE(stateSpy.isEmpty() ? State::Unknown : stateSpy.last().at(0).value<State>(), state);
}

QTEST_GUILESS_MAIN(TestConfigurationDocument)
#include "tst_configurationdocument.moc"
