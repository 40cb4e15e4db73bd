// Login, transmit, receive and the safe transfer against a fake link that
// plays the adapter from a script: the frames on the wire, where each answer
// goes, refusals, time-outs, cancel and restart.
//
// A script row (Scripts below) is name | steps | frames sent | log, the lists
// separated by "; ", and goes on in lines that start with blanks. Frames are
// hex, command byte first ("12 04 02" asks for number 2 of attendee 4);
// <transmit> and <receive> stand for the 41 frames of a transmit of the
// default configuration and of a receive, <receive[:6]> for a slice. The log
// is what the objects report. The fake answers as answerTo() says, except:
// mute (nothing), hold/refuse/twice i... (frame i from 0: no answer, NAK, two
// read at once), close (the port), answer <frame> (sent now). The objects:
// login <digits>, logout, password <digits>, reset, forget, quit (on closing);
// send <frame>, abandon (the sequence lane); transmit, receive; write, read,
// reset! (safely) with backup, verify, unsaved, decline (no backup, no going
// on); cancel, interrupt (all); delay <ms> (a transmit's repetition, else 0);
// on-NAK <step> (between a NAK and its repetition); fill, type (the screen, and
// typing during a transmit). Logging: pending, values, partly?, kept, read?,
// idle?. Waiting: events (what is due now), until <n> (frames sent), settle
// (nothing awaited), wait (anything), done (the last run ended); count <n>.

#include "configurationtext.h"
#include "safetransfer.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

QString hex(const Frame &frame)
{
    return QString::fromLatin1((char(frame.command) + frame.payload).toHex(' '));
}

Frame frame(const QString &text)
{
    const QByteArray bytes = QByteArray::fromHex(text.toLatin1());
    return { byte(bytes.at(0)), bytes.mid(1) };
}

// Acknowledges commands; answers a request with values made from it: times 45
// and 20, call number "<entry><slot>" (the master's "0<slot>"), status byte
// 0x10 | entry, address floor = entry with letter 'A' + entry.
QString answerTo(const QString &request)
{
    const QStringList bytes = request.split(' ');
    const QString code = bytes[0];
    const QString entry = bytes.value(1);
    if (code == "14" || code == "13")
        return code == "14" ? "14 2d" : "13 14";
    if (code == "12")
        return request + ' ' + (entry == "00" ? "0a" : entry) + ' ' + bytes[2];
    if (code == "19")
        return request + " 1" + entry.right(1);
    if (code == "1f")
        return request + ' ' + entry + ' ' + QString::number(0x41 + entry.toInt(), 16);
    return "20";
}

class FakeAdapter : public AdapterLink
{
public:
    QStringList sent;
    QStringList held; // frames (by index) not answered
    QStringList refused; // frames answered with NAK
    QStringList twice; // frames answered twice, both read at once
    bool mute = false; // answers nothing by itself
    bool portOpen = true;
    std::function<void(int index)> onSend;

    bool sendFrame(const Frame &frame) override
    {
        sent << hex(frame);
        const int index = int(sent.size()) - 1;
        if (onSend)
            onSend(index);
        const QString number = QString::number(index);
        const QString reply = mute || held.contains(number) ? QString()
            : refused.contains(number)                      ? "21"
                                                            : answerTo(sent.last());
        // From the event loop, as a real line answers.
        if (!reply.isEmpty())
            QTimer::singleShot(0, this, [this, reply, two = twice.contains(number)] {
                answer(two ? QStringList { reply, reply } : QStringList { reply });
            });
        return portOpen;
    }
    QString portName() const override { return QStringLiteral("ttyFAKE"); }
    // Frames read in one batch, then raised one by one.
    void answer(const QStringList &texts)
    {
        QList<quint64> orders;
        for (qsizetype i = 0; i < texts.size(); ++i)
            orders << countRead();
        for (qsizetype i = 0; i < texts.size(); ++i)
            emit frameReceived(frame(texts[i]), orders[i]);
    }
};

// The 41 frames of a transmit of the default configuration (times 60 and 30,
// everything else empty), and the 41 requests of a receive.
QStringList transmitFrames()
{
    QStringList frames { "03 1e", "04 3c", "02 00 01", "02 00 02", "05 00 00" };
    for (int n = 1; n <= 9; ++n)
        frames << QString("02 0%1 01|02 0%1 02|05 0%1 00|09 0%1 00").arg(n).split('|');
    return frames;
}

QStringList receiveRequests()
{
    QStringList frames { "14", "13", "12 00 01", "12 00 02", "19 00" };
    for (int n = 1; n <= 9; ++n)
        frames << QString("12 0%1 01|12 0%1 02|19 0%1|1f 0%1").arg(n).split('|');
    return frames;
}

// "a; b" as a list; <transmit>, <receive[:6]>, <transmit[4:]> stand for frames.
QStringList expand(const QString &text)
{
    static const QRegularExpression token("^<(\\w+)(?:\\[(\\d*):(\\d*)\\])?>$");
    QStringList result;
    for (const QString &item : text.split("; ", Qt::SkipEmptyParts)) {
        const auto match = token.match(item);
        const QStringList all
            = match.captured(1) == "transmit" ? transmitFrames() : receiveRequests();
        const int from = match.captured(2).toInt();
        const int to = match.captured(3).isEmpty() ? int(all.size()) : match.captured(3).toInt();
        result << (match.hasMatch() ? all.mid(from, to - from) : QStringList { item });
    }
    return result;
}

template<typename Enum>
QString key(Enum value)
{
    return QLatin1String(QMetaEnum::fromType<Enum>().valueToKey(value));
}

// The times and entries 0, 1, 2 and 9: "70 25 0815/1203//41 ...".
QString summary(const Configuration &c)
{
    QStringList parts { QString::number(c.maxCallTime), QString::number(c.callRedirectTime) };
    for (const ConfigurationEntry &e : { c.entries[0], c.entries[1], c.entries[2], c.entries[9] })
        parts << e.callNumber1 + '/' + e.callNumber2 + '/' + e.busAddress + '/'
                + QString::number(e.statusByte, 16);
    return parts.join(' ');
}

// Every object under test on one fake link, and a log of what they report.
struct Rig
{
    FakeAdapter link;
    Exchange exchange { &link };
    LoginSession session { &exchange };
    Configuration screen;
    TransmitSequence transmit { &exchange };
    ReceiveSequence receive { &exchange };
    SafeTransfer safe { &exchange, &session };
    QStringList log;
    quint64 ownTicket = 0;
    qsizetype startedAt = 0;
    bool saves = true, goesOn = true;
    QString onRefusal; // a step
    SafeTransfer::Phase phase = SafeTransfer::Idle;
    QHash<QString, std::function<void(const QString &)>> actions;

    void note(const QString &text) { log << text; }
    auto say(const QString &text)
    {
        return [this, text] { note(text); };
    }
    // "no answer", "unreadable", "refused", ...
    static QString said(Exchange::Failure failure)
    {
        return key(failure).replace("NotAnswered", "no answer").toLower();
    }

    Rig()
    {
        exchange.setAnswerTimeout(250);
        transmit.setRepetitionDelay(0);
        safe.transmitSequence()->setRepetitionDelay(0);
        QObject::connect(&exchange, &Exchange::answered, [this](auto, const Frame &f, quint64 t) {
            if (t == ownTicket)
                note("answered " + hex(f));
            // After the sequences' own slots: between a NAK and its repetition.
            if (!onRefusal.isEmpty() && f.command == LinkCommand::NoAcknowledge)
                run(onRefusal);
        });
        QObject::connect(
            &exchange, &Exchange::failed, [this](auto, auto why, auto what, quint64 t) {
                if (t == ownTicket)
                    note(said(why) + ": " + what);
            });
        QObject::connect(&exchange, &Exchange::unexpectedFrame,
            [this](const Frame &f) { note("unexpected " + hex(f)); });
        QObject::connect(
            &session, &LoginSession::loggedInChanged, [this](bool in) { note(in ? "in" : "out"); });
        QObject::connect(&session, &LoginSession::loginRefused,
            [this] { note(QString("refused, %1 sent").arg(link.sent.size())); });
        QObject::connect(&session, &LoginSession::passwordChanged,
            [this](bool ok) { note(ok ? "password ok" : "password no"); });
        QObject::connect(&session, &LoginSession::resetAnswered,
            [this](bool ok) { note(ok ? "reset ok" : "reset no"); });
        QObject::connect(&session, &LoginSession::failed,
            [this](auto why, const QString &what) { note(said(why) + ": " + what); });
        const auto sequenceFailed = [this](int e, ConfigurationField f, Exchange::Failure why) {
            note(said(why) + ": " + ConfigurationText::valueName(e, f));
        };
        QObject::connect(&transmit, &TransmitSequence::finished, say("finished"));
        QObject::connect(&transmit, &TransmitSequence::failed, sequenceFailed);
        QObject::connect(&receive, &ReceiveSequence::finished, say("finished"));
        QObject::connect(&receive, &ReceiveSequence::failed, sequenceFailed);
        safe.setSaveBackup([this](const Configuration &adapter) {
            note(QString("saved %1").arg(adapter.maxCallTime));
            return saves;
        });
        safe.setConfirmWithoutBackup([this](auto why, const QString &what) {
            note(QString("asked %1 %2").arg(key(why), what));
            return goesOn;
        });
        safe.setConfirmChanges([this](const Configuration &adapter) {
            note(QString("changes from %1").arg(adapter.maxCallTime));
            return goesOn;
        });
        QObject::connect(
            &safe, &SafeTransfer::progress, [this](auto now, int, auto, int step, int total) {
                if (std::exchange(phase, now) != now)
                    note(QString("%1 %2/%3").arg(key(now)).arg(step).arg(total));
            });
        QObject::connect(
            &safe, &SafeTransfer::verified, [this](const Configuration &w, const Configuration &r) {
                note(QString("verified %1/%2").arg(w.maxCallTime).arg(r.maxCallTime));
            });
        QObject::connect(&safe, &SafeTransfer::received,
            [this](const Configuration &c) { note(QString("received %1").arg(c.maxCallTime)); });
        QObject::connect(&safe, &SafeTransfer::finished, say("finished"));
        QObject::connect(&safe, &SafeTransfer::failed, [this](auto p, auto why, auto what) {
            note(said(why) + ' ' + key(p) + (what.isEmpty() ? QString() : ": " + what));
        });
        addActions();
    }

    void addActions()
    {
        const auto begin = [this](std::function<void()> start) {
            return [this, start](auto) { startedAt = log.size(), start(); };
        };
        actions = {
            { "mute", [this](auto) { link.mute = true; } },
            { "hold", [this](const QString &i) { link.held = i.split(' '); } },
            { "refuse", [this](const QString &i) { link.refused = i.split(' '); } },
            { "twice", [this](const QString &i) { link.twice = i.split(' '); } },
            { "login", [this](const QString &digits) { session.login(digits); } },
            { "logout", [this](auto) { session.logout(); } },
            { "password", [this](const QString &digits) { session.changePassword(digits); } },
            { "reset", [this](auto) { session.reset(); } },
            { "forget", [this](auto) { session.forget(); } },
            { "quit", [this](auto) { session.logoutOnClose(); } },
            { "close", [this](auto) { link.portOpen = false; } },
            { "send",
                [this](const QString &f) {
                    ownTicket = exchange.send(Exchange::Sequence, frame(f), f);
                } },
            { "abandon", [this](auto) { exchange.abandon(Exchange::Sequence); } },
            { "answer", [this](const QString &frame) { link.answer({ frame }); } },
            { "transmit", begin([this] { transmit.start(screen); }) },
            { "receive", begin([this] { receive.start(); }) },
            { "cancel", [this](auto) { transmit.cancel(), receive.cancel(), safe.cancel(); } },
            { "interrupt",
                [this](auto) { transmit.interrupt(), receive.interrupt(), safe.interrupt(); } },
            { "write", begin([this] { safe.write(screen); }) },
            { "read", begin([this] { safe.read(); }) },
            { "reset!", begin([this] { safe.reset(); }) },
            { "backup", [this](auto) { safe.setBackupEnabled(true); } },
            { "verify", [this](auto) { safe.setVerifyEnabled(true); } },
            { "unsaved", [this](auto) { saves = false; } },
            { "decline", [this](auto) { goesOn = false; } },
            { "on-NAK", [this](const QString &step) { onRefusal = step; } },
            { "delay", [this](const QString &ms) { transmit.setRepetitionDelay(ms.toInt()); } },
            { "fill", [this](auto) { fill(); } },
            { "type",
                [this](auto) {
                    link.onSend = [this](int i) {
                        if (i == 8)
                            screen.entries[2].callNumber1 = "2222";
                    };
                } },
            { "pending",
                [this](
                    auto) { note("pending " + QString::number(session.pendingCommand(), 16)); } },
            { "values", [this](auto) { note(QString("values %1").arg(receive.answeredCount())); } },
            { "partly?",
                [this](auto) {
                    const auto written = safe.partlyWritten();
                    note(written ? QString("partly %1").arg(*written) : QString("not partly"));
                } },
            { "kept", [this](auto) { note("kept " + summary(transmit.sent())); } },
            { "read?", [this](auto) { note("read " + summary(receive.received())); } },
            { "idle?", [this](auto) { note(safe.isRunning() ? "running" : "idle"); } },
            // Until a timer started now fires: any due before it have fired too.
            { "events",
                [](auto) {
                    QTimer now;
                    QSignalSpy fired(&now, &QTimer::timeout);
                    now.start(0);
                    fired.wait();
                } },
        };
    }

    void fill()
    {
        screen.maxCallTime = 70;
        screen.callRedirectTime = 25;
        screen.entries[0] = { "0815", "120 3", "", 0x41 };
        screen.entries[1] = { "11", "0 1", "12B", 0x30 };
        screen.entries[2] = { "1", "", "C3", 0x01 };
        screen.entries[9] = { "9", "", "I24", 0x0c };
    }
    bool run(const QString &step)
    {
        const QString name = step.section(' ', 0, 0);
        const QString argument = step.section(' ', 1);
        if (actions.contains(name)) {
            actions[name](argument);
            return true;
        }
        static const QRegularExpression end(
            "^(finished|declined|refused|no answer|unreadable|interrupted)");
        const qsizetype events = log.size() + link.sent.size();
        const auto wait = [](const std::function<bool()> &condition) {
            return QTest::qWaitFor(condition, 3000);
        };
        if (name == "until")
            return wait([&] { return link.sent.size() >= argument.toInt(); });
        if (name == "count")
            return link.sent.size() == argument.toInt();
        if (name == "settle")
            return wait([this] { return !exchange.isBusy(Exchange::Sequence); });
        if (name == "wait")
            return wait([&] { return log.size() + link.sent.size() > events; });
        if (name == "done")
            return wait([this] { return !log.mid(startedAt).filter(end).isEmpty(); });
        return false;
    }
};

const char Scripts[] = R"(
login accepted | mute; login 1234; answer 20; pending | 00 01 02 03 04 | in; pending ffff
login refused: message, then logout, whose answer changes nothing
    | mute; login 1234; answer 21; answer 20 | 00 01 02 03 04; 00 | refused, 1 sent
logout accepted, then refused
    | mute; login 1234; answer 20; logout; answer 20; login 1234; answer 20; logout; answer 21
    | 00 01 02 03 04; 00; 00 01 02 03 04; 00 | in; out; in
master password, twice in one frame | mute; password 4710; answer 20; password 4711; answer 21
    | 01 04 07 01 0a 04 07 01 0a; 01 04 07 01 01 04 07 01 01 | password ok; password no
reset awaited | mute; reset; answer 20; reset; pending | 38 52 53 54; 38 52 53 54
    | reset ok; pending 38
silent adapter: message, login kept, the next logout works
    | mute; login 1234; answer 20; logout; wait; pending; logout; answer 20
    | 00 01 02 03 04; 00; 00 | in; no answer: Logout; pending ffff; out
port closed: no answer at once | mute; close; login 1234; events | 00 01 02 03 04
    | no answer: Login
window closed: logout without waiting, only if logged in
    | mute; quit; login 1234; answer 20; quit | 00 01 02 03 04; 00 | in
ACK with nothing awaited | mute; answer 20; answer 19 01 00; pending |
    | unexpected 20; unexpected 19 01 00; pending f000
second login waits for the first one's answer and drops it
    | mute; login 1234; login 5678; count 1; answer 21; answer 20
    | 00 01 02 03 04; 00 05 06 07 08 | in
line gone: logged out without a frame, late answer dropped
    | mute; login 1234; answer 20; logout; forget; answer 21 | 00 01 02 03 04; 00 | in; out

ACK to the login-related command first | mute; send 05 01 00; login 1234; answer 20; answer 20
    | 05 01 00; 00 01 02 03 04 | in; answered 20
ACK due to a given-up login dropped before the transmit's
    | mute; login 1234; forget; send 05 01 00; answer 20; answer 21
    | 00 01 02 03 04; 05 01 00 | answered 21
an answer for another slot: unreadable at once, and what follows is unexpected
    | mute; send 12 04 02; answer 12 04 01 05; answer 12 04 02 05 | 12 04 02
    | unexpected 12 04 01 05; unreadable: 12 04 02; unexpected 12 04 02 05
NAK answers a request | mute; send 14; answer 21 | 14 | answered 21
the line's copy of a command is no answer to it | mute; send 05 05 10; answer 05 05 10
    | 05 05 10 | unexpected 05 05 10; unreadable: 05 05 10
two ACKs read at once answer one command; the second is unexpected | twice 2; refuse 3; transmit;
      done | <transmit[:4]>; 02 00 02; <transmit[4:]> | unexpected 20; finished
abandoned: the next frame once the late answer came, dropped
    | mute; send 19 03; abandon; send 19 04; events; count 1; answer 19 03 05; answer 19 04 01
    | 19 03; 19 04 | answered 19 04 01
abandoned: the next frame once the late answer's time ran out
    | mute; send 19 03; abandon; send 19 04; wait; answer 19 03 05 | 19 03; 19 04
    | unexpected 19 03 05; unreadable: 19 04
time-out, then the answer is too late | mute; send 12 09 01; wait; answer 12 09 01 | 12 09 01
    | no answer: 12 09 01; unexpected 12 09 01

transmit: the values as the run started, not as typed since | fill; type; transmit; done; kept
    | 03 19; 04 46; 02 00 01 0a 08 01 05; 02 00 02 01 02 0a 03; 05 00 41; 02 01 01 01 01;
      02 01 02 0a 01; 05 01 30; 09 01 0c 42; 02 02 01 01; 02 02 02; 05 02 01;
      09 02 03 43; <transmit[13:37]>; 02 09 01 09; 02 09 02; 05 09 0c; 09 09 18 49
    | finished; kept 70 25 0815/1203//41 11/01/B12/30 1//C3/1 9//I24/c
refused command sent again; an ACK starts the count again | refuse 2 4 5 6; transmit; done
    | <transmit[:3]>; 02 00 01; 02 00 02; 02 00 02; 02 00 02; <transmit[3:]> | finished
fourth refusal ends the run; a late ACK is unexpected
    | refuse 0 1 2 3; transmit; done; answer 20 | 03 1e; 03 1e; 03 1e; 03 1e
    | refused: Zeit bis zur Rufweiterschaltung; unexpected 20
cancel drops the repetition after a refusal; the next run sends its own
    | refuse 2; delay 100; on-NAK cancel; transmit; until 3; settle; mute; transmit; done
    | <transmit[:3]>; 03 1e | no answer: Zeit bis zur Rufweiterschaltung
interrupt drops it too | refuse 2; delay 100; on-NAK interrupt; transmit; done; mute; transmit;
      done | <transmit[:3]>; 03 1e | interrupted: Rufnummer 1 von Master;
      no answer: Zeit bis zur Rufweiterschaltung
restart: the old run's late ACK is awaited and dropped
    | hold 2; transmit; until 3; transmit; count 3; answer 20; count 4; done
    | <transmit[:3]>; <transmit> | finished
cancel: the late answer dropped, the next run starts at once
    | hold 2; transmit; until 3; cancel; answer 20; transmit; count 4; done
    | <transmit[:3]>; <transmit> | finished
transmit: no answer, then the next run works | hold 6; transmit; done; transmit; done
    | <transmit[:7]>; <transmit> | no answer: Rufnummer 2 von Teilnehmer 1; finished
receive: every value | receive; done; read?
    | <receive> | finished; read 45 20 01/02//10 11/12/B1/11 21/22/C2/10 91/92/J9/19
receive: no answer, then the next run works | hold 0; receive; done; receive; done; values
    | 14; <receive> | no answer: Maximale Zeit der Rufsignalisierung; finished; values 41
receive: an answer cut short is not stored and ends the run at once
    | hold 5; receive; until 6; answer 12 01; values | <receive[:6]>
    | unexpected 12 01; unreadable: Rufnummer 1 von Teilnehmer 1; values 5
receive: a refused request ends the run | refuse 5; receive; done; values | <receive[:6]>
    | refused: Rufnummer 1 von Teilnehmer 1; values 5
receive cancelled: the answer in flight is dropped
    | hold 5; receive; until 6; cancel; answer 12 01 01 05; values | <receive[:6]> | values 5
receive restarted: the old answer is not stored
    | hold 5; receive; until 6; receive; count 6; answer 12 01 01 05; done; values
    | <receive[:6]>; <receive> | finished; values 41

reset, both switches off: the reset frame | reset!; done | 38 52 53 54
    | Reset 1/1; finished; reset ok
read: every value handed over at once | read; done | <receive> | Read 1/41; received 45; finished
read cut off: no value handed over | hold 40; read; done | <receive>
    | Read 1/41; no answer Read: Kelvo-Adresse von Teilnehmer 9
backup, write, verify; the changes shown once the backup is saved
    | backup; verify; write; done | <receive>; <transmit>; <receive> | Backup 1/123;
      saved 45; changes from 45; Transmit 42/123; Verify 83/123; verified 60/45; finished
backup before a reset, no changes shown | backup; verify; reset!; done
    | <receive>; 38 52 53 54 | Backup 1/42; saved 45; Reset 42/42; finished; reset ok
backup refused: write after asking, without a list | refuse 0; backup; write; done
    | 14; <transmit> | Backup 1/82; asked BackupRefused Maximale Zeit der Rufsignalisierung;
      Transmit 42/82; finished
backup not answered: no write if the user says no | hold 3; backup; decline; write; done
    | <receive[:4]> | Backup 1/82; asked BackupNotAnswered Rufnummer 2 von Master;
      declined Backup: Rufnummer 2 von Master
backup not saved: asks | backup; unsaved; decline; reset!; done | <receive>
    | Backup 1/42; saved 45; asked BackupNotSaved ; declined Backup
verify not answered | hold 41; verify; write; done | <transmit>; 14
    | Transmit 1/82; Verify 42/82; no answer Verify: Maximale Zeit der Rufsignalisierung
transmit refused, then idle | refuse 0 1 2 3; write; done; idle? | 03 1e; 03 1e; 03 1e; 03 1e
    | Transmit 1/41; refused Transmit: Zeit bis zur Rufweiterschaltung; idle
write cut off by silence: partly written | hold 6; write; done; partly? | <transmit[:7]>
    | Transmit 1/41; no answer Transmit: Rufnummer 2 von Teilnehmer 1; partly 6
write refused half-way: partly written | refuse 6 7 8 9; write; done; partly? | <transmit[:6]>;
      02 01 02; 02 01 02; 02 01 02; 02 01 02 | Transmit 1/41;
      refused Transmit: Rufnummer 2 von Teilnehmer 1; partly 6
write cancelled: the command in flight counts as not written | hold 4; write; until 5; cancel;
      partly? | <transmit[:5]> | Transmit 1/41; partly 4
write interrupted: the command in flight counts once answered | hold 4; write; until 5; interrupt;
      answer 20; partly? | <transmit[:5]> | Transmit 1/41;
      interrupted Transmit: Rufnummer 1 von Teilnehmer 1;
      partly 5
interrupted in the backup: nothing written | hold 3; backup; write; until 4; interrupt;
      answer 12 00 02; partly? | <receive[:4]> | Backup 1/82;
      interrupted Backup: Optionen von Master; not partly
write done: not partly | write; done; partly? | <transmit> | Transmit 1/41; finished; not partly
)";

} // namespace

class TestTransfer : public QObject
{
    Q_OBJECT

private slots:
    void scripts_data();
    void scripts();
    void answers_data();
    void answers();
    void repetitionAfterASecond();
};

void TestTransfer::answers_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("answers"); // those that count, then | and those that do not

    QTest::newRow("time") << "14"
                          << "14 3c; 21 | 14; 14 3c 00; 13 3c; 20; 21 00";
    QTest::newRow("status") << "19 03"
                            << "19 03 10 | 19 03; 19 03 10 00; 19 04 10";
    QTest::newRow("call number") << "12 03 01"
                                 << "12 03 01; 12 03 01 0a 05 | 12 03; 12 03 02 05; 12 04 01";
    QTest::newRow("bus address") << "1f 02"
                                 << "1f 02 0c 41; 1f 02 00 | 1f 02 0c; 1f 02; 1f 02 0c 41 00";
    QTest::newRow("command") << "05 01 10"
                             << "20; 21 | 20 00; 05 01 10; 19 01 10";
}

void TestTransfer::answers()
{
    QFETCH(QString, request);
    QFETCH(QString, answers);
    const QStringList sides = answers.split(" | ");
    for (int counts = 0; counts < 2; ++counts) {
        for (const QString &answer : sides[counts].split("; "))
            QVERIFY2(
                Exchange::isAnswerTo(frame(request), frame(answer)) == !counts, qPrintable(answer));
    }
}

// The wait the scripts leave out: a refused command goes out again a second
// later, not at once.
void TestTransfer::repetitionAfterASecond()
{
    FakeAdapter link;
    Exchange exchange(&link);
    TransmitSequence transmit(&exchange);
    link.refused = QStringList { "0" };
    QSignalSpy sent(&transmit, &TransmitSequence::commandSent);
    QElapsedTimer clock;
    clock.start();
    transmit.start(Configuration());
    QVERIFY(sent.wait(3000) && sent.size() == 2);
    QCOMPARE_GE(clock.elapsed(), 900); // a timer may fire up to 5 % early
}

void TestTransfer::scripts_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("log");

    QStringList rows;
    for (const QString &line : QString::fromUtf8(Scripts).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(' '))
            rows.last() += (rows.last().endsWith(';') ? " " : "") + line.trimmed();
        else
            rows << line;
    }
    for (const QString &row : std::as_const(rows)) {
        const QStringList fields = row.split(QRegularExpression(" ?\\| ?"));
        QTest::newRow(qPrintable(fields[0])) << fields[1] << fields[2] << fields[3];
    }
}

void TestTransfer::scripts()
{
    QFETCH(QString, steps);
    QFETCH(QString, sent);
    QFETCH(QString, log);

    Rig rig;
    for (const QString &step : steps.split("; "))
        QVERIFY2(rig.run(step), qPrintable(step));
    QCOMPARE(rig.link.sent, expand(sent));
    QCOMPARE(rig.log, log.split("; ", Qt::SkipEmptyParts));
}

QTEST_GUILESS_MAIN(TestTransfer)
#include "tst_transfer.moc"
