#pragma once
// Per-field event slots of single-line edits, kept by us on top of Qt's signals so that
// handlers can be chained, vetoed and given back the way the pages expect:
//
// - one change handler per field: runs after every change of the text, typed or set by the
//   program (IsUserEdit tells which);
// - one exit handler per field: runs when the field has lost the focus to another control of
//   its window (Tab, a click, a programmatic focus move). Not when the window is deactivated,
//   a popup or menu opens, the field is hidden, or while an EditExitSuppressor lives;
// - an integer tag (the dynamic property "tag", 0 when unset); a handler earlier in a chain
//   sets it to -1 to veto the rest of the chain.
//
// Chaining: whoever installs a handler reads the current one first, calls it from its own
// handler ("previous handler") and installs it again when it lets go of the field. This is what
// QxEditConstraint does on attach and detach; pages install their own handlers before they bind
// a field, and the constraint calls them at the documented points.
//
// The same place also limits what the user may type (SetEditTypingLimit), because the limit
// has to act before the change handler sees the text.

#include <QString>
#include <functional>

class QLineEdit;

using EditHandler = std::function<void(QLineEdit* edit)>;

struct EditHandlers {
    EditHandler change;
    EditHandler exit;
};

EditHandlers EditHandlersOf(const QLineEdit* edit);
void SetEditChangeHandler(QLineEdit* edit, EditHandler handler);
void SetEditExitHandler(QLineEdit* edit, EditHandler handler);

// True while the change being handled comes from the user (typing, pasting, dropping, undo),
// including changes that handlers make to the same field in response to it.
bool IsUserEdit(const QLineEdit* edit);

// Longest text the user may produce by editing; 0 = no limit. Unlike QLineEdit::setMaxLength
// it never cuts text set by the program: a value read from the agent stays whole, and only
// an edit that would make the text grow beyond the limit is cut to what fits.
void SetEditTypingLimit(QLineEdit* edit, int maxLength);
int EditTypingLimit(const QLineEdit* edit);

int EditTag(const QLineEdit* edit);
void SetEditTag(QLineEdit* edit, int tag);

// No exit handler of any field runs while one of these lives (used while a field that failed
// its exit check takes the focus back, so the control it takes the focus from is not checked).
class EditExitSuppressor {
public:
    EditExitSuppressor();
    ~EditExitSuppressor();
    EditExitSuppressor(const EditExitSuppressor&) = delete;
    EditExitSuppressor& operator=(const EditExitSuppressor&) = delete;
};
