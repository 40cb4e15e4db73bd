#pragma once

class QWidget;

// Leaves the undo and redo keys of a field to the window: the window's undo
// holds the field's typing as one step among the others, while the field's
// own would take it back past them, and knows nothing of what a read or an
// opened file put there.
void leaveUndoKeysToWindow(QWidget *field);
