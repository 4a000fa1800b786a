#include "edithooks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>

namespace {

int g_exitSuppression = 0;

// Focus losses that mean "the user left the field for another control of the window".
bool IsLeavingReason(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason && reason != Qt::NoFocusReason;
}

// The span of 'after' that an edit put in place of a span of 'before'.
struct Replacement {
    qsizetype start = 0;
    qsizetype removed = 0;
    qsizetype inserted = 0;
};

Replacement Diff(const QString& before, const QString& after)
{
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
    return {prefix, before.size() - prefix - suffix, after.size() - prefix - suffix};
}

// Owned by its field (a child object), so it goes away with it.
class EditHooks : public QObject {
public:
    explicit EditHooks(QLineEdit* edit) : QObject(edit), edit_(edit), lastText_(edit->text())
    {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, &EditHooks::TextEdited);
        connect(edit, &QLineEdit::textChanged, this, &EditHooks::TextChanged);
        connect(qApp, &QApplication::focusChanged, this, &EditHooks::FocusChanged);
    }

    static EditHooks* Find(const QLineEdit* edit)
    {
        if (!edit) return nullptr;
        for (QObject* child : edit->children())
            if (auto* hooks = dynamic_cast<EditHooks*>(child)) return hooks;
        return nullptr;
    }
    static EditHooks* Get(QLineEdit* edit)
    {
        EditHooks* hooks = Find(edit);
        return hooks ? hooks : new EditHooks(edit);
    }

    EditHandlers handlers;
    int typingLimit = 0;
    int userDepth = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == edit_) {
            if (event->type() == QEvent::FocusOut) {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                exitPending_ = IsLeavingReason(reason) && g_exitSuppression == 0;
            } else if (event->type() == QEvent::FocusIn) {
                exitPending_ = false;
            }
        }
        return false;
    }

private:
    // The exit handler runs once the focus change is complete (Qt has delivered both the
    // focus-out and the focus-in), so that a handler may move the focus back.
    void FocusChanged(QWidget* old, QWidget*)
    {
        if (old != edit_ || !exitPending_) return;
        exitPending_ = false;
        if (g_exitSuppression > 0 || !edit_->isVisible() || !handlers.exit) return;
        const EditHandler handler = handlers.exit;  // the handler may replace itself
        handler(edit_);
    }

    void TextEdited(const QString& text)
    {
        if (typingLimit > 0 && text.size() > typingLimit && text.size() > lastText_.size()) {
            const Replacement r = Diff(lastText_, text);
            const qsizetype kept = lastText_.size() - r.removed;
            const qsizetype fits = std::clamp<qsizetype>(typingLimit - kept, 0, r.inserted);
            const QString capped = text.left(r.start + fits) + text.mid(r.start + r.inserted);
            ++userDepth;
            edit_->setText(capped);  // the change handler sees this text, never the long one
            edit_->setCursorPosition(static_cast<int>(r.start + fits));
            --userDepth;
            return;
        }
        editedText_ = text;
        edited_ = true;
    }

    void TextChanged(const QString& text)
    {
        // A handler (or the typing limit) has already set another text and that change has been
        // handled; this is the tail of the outer, older change.
        if (text != edit_->text()) return;
        const bool user = userDepth > 0 || (edited_ && editedText_ == text);
        edited_ = false;
        if (text == lastText_) return;
        lastText_ = text;
        if (!handlers.change) return;
        const EditHandler handler = handlers.change;
        QPointer<EditHooks> self(this);
        if (user) ++userDepth;
        handler(edit_);
        if (self && user) --userDepth;
    }

    QLineEdit* edit_;
    QString lastText_;
    QString editedText_;
    bool edited_ = false;
    bool exitPending_ = false;
};

}  // namespace

EditHandlers EditHandlersOf(const QLineEdit* edit)
{
    const EditHooks* hooks = EditHooks::Find(edit);
    return hooks ? hooks->handlers : EditHandlers{};
}

void SetEditChangeHandler(QLineEdit* edit, EditHandler handler)
{
    if (edit) EditHooks::Get(edit)->handlers.change = std::move(handler);
}

void SetEditExitHandler(QLineEdit* edit, EditHandler handler)
{
    if (edit) EditHooks::Get(edit)->handlers.exit = std::move(handler);
}

bool IsUserEdit(const QLineEdit* edit)
{
    const EditHooks* hooks = EditHooks::Find(edit);
    return hooks && hooks->userDepth > 0;
}

void SetEditTypingLimit(QLineEdit* edit, int maxLength)
{
    if (edit) EditHooks::Get(edit)->typingLimit = std::max(0, maxLength);
}

int EditTypingLimit(const QLineEdit* edit)
{
    const EditHooks* hooks = EditHooks::Find(edit);
    return hooks ? hooks->typingLimit : 0;
}

int EditTag(const QLineEdit* edit)
{
    return edit ? edit->property("tag").toInt() : 0;
}

void SetEditTag(QLineEdit* edit, int tag)
{
    if (edit) edit->setProperty("tag", tag);
}

EditExitSuppressor::EditExitSuppressor()
{
    ++g_exitSuppression;
}

EditExitSuppressor::~EditExitSuppressor()
{
    --g_exitSuppression;
}
