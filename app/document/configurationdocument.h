#pragma once

#include "configuration.h"

#include <QObject>
#include <QString>

#include <optional>

class QUndoStack;

// The configuration on screen, and the two things it is measured against: the
// file it came from or was saved to, and what the adapter is known to hold.
//
// Who feeds it: the panels and spin boxes are its views. They send each edit
// in as a change (edit()) and show what the document reports (valueChanged(),
// configurationReplaced()); they hold no value of their own. The window hands
// in what arrives as a whole (a read, an opened or imported file, a restored
// backup, the defaults), taken exactly as given: no value is corrected
// against another, and the check before a write finds a pair of times the
// adapter cannot take (callTimesFit()). The window also marks what it did
// with the file and the adapter. No widget and no message box here: what the
// user is to be told, the window decides from the states.
//
// Undo: every edit and every whole configuration is one step of undoStack();
// typing in one field merges into the step before it, if that was the same
// field's. Undo and redo change the screen only; the file and the adapter stay
// as last marked, and both states follow from comparing the screen with them.
//
// The file: isModified() while the screen differs from the configuration as in
// the file. An unnamed document (nothing opened or saved yet, or an import of
// the older settings file, which is no file to save into) is measured against
// the defaults: an empty screen holds nothing to save, a read one does. The
// stack's clean state is the step at which the file was opened or saved.
class ConfigurationDocument : public QObject
{
    Q_OBJECT

public:
    enum class AdapterState {
        Unknown, // not read or written since the start, or another adapter
        Same, // a write would change nothing
        Different,
        PartlyWritten, // a write broke off: part old, part new
    };
    Q_ENUM(AdapterState)

    explicit ConfigurationDocument(QObject *parent = nullptr);

    const Configuration &configuration() const { return m_screen; }
    QUndoStack *undoStack() const { return m_undo; }

    // Empty while unnamed.
    QString fileName() const { return m_fileName; }
    // As in the file; the defaults while unnamed.
    const Configuration &fileConfiguration() const { return m_file; }
    bool isModified() const { return m_modified; }

    AdapterState adapterState() const { return m_adapterState; }
    // "Adapter: wie Bildschirm", for the status bar.
    static QString adapterStateText(AdapterState state);

    // A value a view took from the user. One undo step; a change that leaves
    // the screen as it is makes none.
    void edit(const ConfigurationChange &change);

    // Whole configurations, one undo step each (none when nothing changes).
    // Opened under fileName: the file holds contents, the stack is clean.
    void open(const QString &fileName, const Configuration &contents);
    // The older settings file: the document becomes unnamed.
    void importSettings(const Configuration &contents);
    // A backup to check and write; the file stays.
    void restoreBackup(const Configuration &backup);
    // Read from the adapter, which now holds it; the file stays.
    void read(const Configuration &adapter);
    // The defaults, as after the adapter's reset; the file stays.
    void resetScreen();

    // Saved under fileName: the file holds the screen, the stack is clean.
    void markSaved(const QString &fileName);
    // The adapter holds held: what a write sent, what its verify read back,
    // or what the backup before a write read. The file stays as it was.
    void markAdapterHolds(const Configuration &held);
    void markPartlyWritten();
    // Another port or a new login: what the adapter holds is not known.
    void forgetAdapter();

signals:
    // One value, by an edit or its undo or redo; the times come with the
    // master's entry.
    void valueChanged(int entry, ConfigurationField field);
    // Any value may have changed.
    void configurationReplaced();
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString &fileName);
    void adapterStateChanged(ConfigurationDocument::AdapterState state);

private:
    class Step;

    void replace(const Configuration &configuration, const QString &text);
    // For the steps: the screen as it is after (or before) one of them, which
    // changed the one value of entry and field, or, with no field, any.
    void show(const Configuration &screen, int entry, std::optional<ConfigurationField> field);
    void setFile(const QString &fileName, const Configuration &contents);
    // Emits what changed since the last call, once the screen and the marks
    // are in place.
    void updateStates();

    QUndoStack *m_undo;
    Configuration m_screen;
    QString m_fileName;
    Configuration m_file;
    std::optional<Configuration> m_adapter; // what it holds, when known
    bool m_partlyWritten = false; // outweighs m_adapter
    bool m_modified = false;
    QString m_reportedFileName;
    AdapterState m_adapterState = AdapterState::Unknown;
};
