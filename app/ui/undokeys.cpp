#include "undokeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class UndoKeysFilter : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Not taken here, the shortcut goes on to the window's actions.
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void leaveUndoKeysToWindow(QWidget *field)
{
    field->installEventFilter(new UndoKeysFilter(field));
}
