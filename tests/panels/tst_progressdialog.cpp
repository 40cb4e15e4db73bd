#include "faketranslator.h"
#include "progressdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class TestProgressDialog : public QObject
{
    Q_OBJECT

private slots:
    void stepsThroughRange();
    void processLabelAfterLanguageChange();
    void cancelRejects();
};

void TestProgressDialog::stepsThroughRange()
{
    ProgressDialog dialog;
    auto *bar = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    QVERIFY(bar);
    QCOMPARE(dialog.currentProgress(), 0);

    dialog.setProgressRange(0, 41);
    for (int step = 0; step < 41; ++step)
        dialog.setCurrentProgress(dialog.currentProgress() + 1);

    QCOMPARE(dialog.currentProgress(), 41);
    QCOMPARE(bar->maximum(), 41);
    QCOMPARE(bar->value(), bar->maximum());
}

void TestProgressDialog::processLabelAfterLanguageChange()
{
    ProgressDialog dialog;
    auto *processLabel = dialog.findChild<QLabel *>(QStringLiteral("processLabel"));
    QVERIFY(processLabel);
    QCOMPARE(processLabel->text(), QString());

    dialog.setCurrentProcess(QStringLiteral("Teilnehmer 3"));
    QCOMPARE(processLabel->text(), QStringLiteral("Teilnehmer 3"));

    FakeTranslator english;
    english.add("ProgressDialog", "Fortschritt", QStringLiteral("Progress"));
    english.add("ProgressDialog", "Übertrage Daten:", QStringLiteral("Transferring data:"));
    english.add("ProgressDialog", "<process>", QStringLiteral("<item>"));
    QVERIFY(switchLanguage(&english));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label"))->text(),
        QStringLiteral("Transferring data:"));
    QCOMPARE(processLabel->text(), QStringLiteral("<item>"));

    dialog.setCurrentProcess(QStringLiteral("Attendee 4"));
    QCOMPARE(processLabel->text(), QStringLiteral("Attendee 4"));

    QVERIFY(switchLanguage(&english, false));
}

void TestProgressDialog::cancelRejects()
{
    ProgressDialog dialog;
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    dialog.setCurrentProgress(5);

    dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
        ->button(QDialogButtonBox::Cancel)
        ->click();

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.currentProgress(), 5);
}

QTEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
