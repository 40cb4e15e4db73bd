#include "configurationdocument.h"

#include "configurationdiff.h"
#include "configurationtext.h"

#include <QUndoStack>

namespace {

using Field = ConfigurationField;

bool isTime(Field field)
{
    return field == Field::MaxCallTime || field == Field::CallRedirectTime;
}

// Typing in one field goes in as one change per keystroke; they merge into
// one step. A click on an option box is a step of its own.
int mergeId(int entry, Field field)
{
    return field == Field::StatusByte ? -1 : entry * 8 + int(field);
}

} // namespace

// One undo step: the screen before and after it.
class ConfigurationDocument::Step : public QUndoCommand
{
public:
    Step(ConfigurationDocument *document, const Configuration &before, const Configuration &after,
        const QString &text, int entry = Configuration::Master,
        std::optional<Field> field = std::nullopt)
        : QUndoCommand(text)
        , m_document(document)
        , m_before(before)
        , m_after(after)
        , m_entry(entry)
        , m_field(field)
    { }

    void undo() override { m_document->show(m_before, m_entry, m_field); }
    void redo() override { m_document->show(m_after, m_entry, m_field); }
    int id() const override { return m_field ? mergeId(m_entry, *m_field) : -1; }

    bool mergeWith(const QUndoCommand *other) override
    {
        // The same id: the same value, edited again.
        m_after = static_cast<const Step *>(other)->m_after;
        // Typed and taken back again leaves no step.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    ConfigurationDocument *m_document;
    Configuration m_before;
    Configuration m_after;
    int m_entry;
    std::optional<Field> m_field; // none: any value
};

ConfigurationDocument::ConfigurationDocument(QObject *parent)
    : QObject(parent)
    , m_undo(new QUndoStack(this))
{ }

QString ConfigurationDocument::adapterStateText(AdapterState state)
{
    switch (state) {
    case AdapterState::Same:
        return tr("Adapter: wie Bildschirm");
    case AdapterState::Different:
        return tr("Adapter: abweichend");
    case AdapterState::PartlyWritten:
        return tr("Adapter: teilweise geschrieben");
    case AdapterState::Unknown:
        break;
    }
    return tr("Adapter: unbekannt");
}

void ConfigurationDocument::edit(const ConfigurationChange &change)
{
    Configuration after = m_screen;
    after.apply(change);
    if (after == m_screen)
        return;
    const int entry = isTime(change.field) ? Configuration::Master : change.entry;
    //: Undo step, "Rufnummer 2 von Teilnehmer 4 ändern"
    const QString text = tr("%1 ändern").arg(ConfigurationText::valueName(entry, change.field));
    m_undo->push(new Step(this, m_screen, after, text, entry, change.field));
}

void ConfigurationDocument::open(const QString &fileName, const Configuration &contents)
{
    setFile(fileName, contents);
    //: Undo step
    replace(contents, tr("Öffnen"));
    m_undo->setClean();
}

void ConfigurationDocument::importSettings(const Configuration &contents)
{
    setFile(QString(), Configuration());
    //: Undo step
    replace(contents, tr("Importieren"));
    m_undo->resetClean();
}

void ConfigurationDocument::restoreBackup(const Configuration &backup)
{
    //: Undo step
    replace(backup, tr("Sicherung wiederherstellen"));
}

void ConfigurationDocument::read(const Configuration &adapter)
{
    m_adapter = adapter;
    m_partlyWritten = false;
    //: Undo step
    replace(adapter, tr("Lesen"));
}

void ConfigurationDocument::resetScreen()
{
    //: Undo step
    replace(Configuration(), tr("Zurücksetzen"));
}

void ConfigurationDocument::markSaved(const QString &fileName)
{
    setFile(fileName, m_screen);
    m_undo->setClean();
    updateStates();
}

void ConfigurationDocument::markAdapterHolds(const Configuration &held)
{
    m_adapter = held;
    m_partlyWritten = false;
    updateStates();
}

void ConfigurationDocument::markPartlyWritten()
{
    m_partlyWritten = true;
    updateStates();
}

void ConfigurationDocument::forgetAdapter()
{
    m_adapter.reset();
    m_partlyWritten = false;
    updateStates();
}

void ConfigurationDocument::replace(const Configuration &configuration, const QString &text)
{
    if (configuration != m_screen)
        m_undo->push(new Step(this, m_screen, configuration, text));
    updateStates();
}

void ConfigurationDocument::show(
    const Configuration &screen, int entry, std::optional<ConfigurationField> field)
{
    m_screen = screen;
    if (field)
        emit valueChanged(entry, *field);
    else
        emit configurationReplaced();
    updateStates();
}

void ConfigurationDocument::setFile(const QString &fileName, const Configuration &contents)
{
    m_fileName = fileName;
    m_file = contents;
}

void ConfigurationDocument::updateStates()
{
    const bool modified = m_screen != m_file;
    AdapterState state = AdapterState::Unknown;
    if (m_partlyWritten)
        state = AdapterState::PartlyWritten;
    else if (m_adapter)
        state = configurationDifferences(m_screen, *m_adapter).isEmpty() ? AdapterState::Same
                                                                         : AdapterState::Different;

    if (m_fileName != m_reportedFileName) {
        m_reportedFileName = m_fileName;
        emit fileNameChanged(m_fileName);
    }
    if (modified != m_modified) {
        m_modified = modified;
        emit modifiedChanged(modified);
    }
    if (state != m_adapterState) {
        m_adapterState = state;
        emit adapterStateChanged(state);
    }
}
