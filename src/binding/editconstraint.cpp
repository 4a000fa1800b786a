#include "editconstraint.h"

#include <QLineEdit>

#include "values/editchecks.h"
#include "values/evaluate.h"
#include "platform/beep.h"
#include "platform/message_box.h"
#include "platform/next_control.h"
#include "snmp/errors.h"

namespace {

constexpr int kBadFormatSlot = 2;
constexpr int kRefusedKeyHz = 1000;
constexpr int kRefusedKeyMs = 200;
constexpr int kVetoTag = -1;

}  // namespace

QxEditConstraint::QxEditConstraint(QWidget* owner, bool rememberAcceptedText)
    : owner_(owner), remember_(rememberAcceptedText)
{
}

QxEditConstraint::~QxEditConstraint()
{
    // The installed handlers point at this object; leaving them behind would let the next
    // keystroke call into a destroyed constraint.
    for (auto& entry : entries_) GiveBackHandlers(*entry);
}

void QxEditConstraint::SetOwner(QWidget* owner)
{
    owner_ = owner;
}

void QxEditConstraint::Attach(const QString& format, const QList<QLineEdit*>& edits)
{
    const QStringList segments = SplitEditFormat(format);
    if (segments.size() > edits.size()) RaiseCommonError(kBadFormatSlot);
    std::vector<EditFormat> parsed;
    for (const QString& segment : segments) parsed.push_back(ParseEditFormat(segment));
    for (qsizetype i = 0; i < segments.size(); ++i)
        if (!edits[i]) RaiseCommonError(kBadFormatSlot);
    for (qsizetype i = 0; i < segments.size(); ++i) Install(edits[i], parsed[static_cast<size_t>(i)]);
}

void QxEditConstraint::AttachOne(const QString& segment, QLineEdit* edit)
{
    const EditFormat format = ParseEditFormat(segment);
    if (!edit) RaiseCommonError(kBadFormatSlot);
    Install(edit, format);
}

void QxEditConstraint::Install(QLineEdit* edit, const EditFormat& format)
{
    Entry* entry = Find(edit);
    if (!entry) {
        auto created = std::make_unique<Entry>();
        created->key = edit;
        created->edit = edit;
        const EditHandlers current = EditHandlersOf(edit);
        created->previousChange = current.change;
        created->previousExit = current.exit;
        // By the time destroyed() is emitted the field is no longer a QLineEdit; only its
        // address is compared.
        created->destroyed = connect(edit, &QObject::destroyed, this, [this](QObject* gone) {
            std::erase_if(entries_, [gone](const auto& e) { return e->key == gone; });
        });
        entry = created.get();
        entries_.push_back(std::move(created));
    }
    entry->format = format;
    if (format.width > 0) edit->setFixedWidth(format.width);
    // For a number list the length item counts numbers, not characters: capping the characters
    // at it would make "10,20" impossible to type in a two-number field.
    SetEditTypingLimit(edit, format.conversion == 'n' ? 0 : format.maxLength);
    SetEditChangeHandler(edit, [this](QLineEdit* e) { EditChange(e); });
    SetEditExitHandler(edit, [this](QLineEdit* e) { EditExit(e); });
}

void QxEditConstraint::Detach(QLineEdit* edit)
{
    const QObject* key = edit;
    const auto it = std::find_if(entries_.begin(), entries_.end(), [key](const auto& e) { return e->key == key; });
    if (it == entries_.end()) return;
    GiveBackHandlers(**it);
    disconnect((*it)->destroyed);
    entries_.erase(it);
}

void QxEditConstraint::GiveBackHandlers(Entry& entry)
{
    if (!entry.edit) return;
    SetEditChangeHandler(entry.edit, entry.previousChange);
    SetEditExitHandler(entry.edit, entry.previousExit);
}

void QxEditConstraint::RememberText(QLineEdit* edit)
{
    if (Entry* entry = Find(edit)) entry->lastAccepted = edit->text();
}

bool QxEditConstraint::CheckExitNow(QLineEdit* edit)
{
    return EditExit(edit);
}

bool QxEditConstraint::IsAttached(const QLineEdit* edit) const
{
    return Find(edit) != nullptr;
}

QString QxEditConstraint::LastAcceptedText(const QLineEdit* edit) const
{
    const Entry* entry = Find(edit);
    return entry ? entry->lastAccepted : QString();
}

long double QxEditConstraint::EvaluateArithmetic(const QString& text)
{
    return ::EvaluateArithmetic(text);
}

bool QxEditConstraint::EvaluateCondition(const QString& text)
{
    return ::EvaluateCondition(text);
}

QxEditConstraint::Entry* QxEditConstraint::Find(const QLineEdit* edit) const
{
    if (!edit) return nullptr;
    const QObject* key = edit;
    for (const auto& entry : entries_)
        if (entry->key == key) return entry.get();
    return nullptr;
}

QWidget* QxEditConstraint::WindowFor(QLineEdit* edit) const
{
    return owner_ ? owner_.data() : edit->window();
}

void QxEditConstraint::EditChange(QLineEdit* edit)
{
    Entry* entry = Find(edit);
    const QString text = edit->text();
    if (!entry || text.isEmpty() || IsValueMarker(text)) return;
    const EditFormat format = entry->format;
    const bool typed = IsUserEdit(edit);

    if (typed && !format.jump.isNull() && text.contains(format.jump)) {
        // Every jump character goes (a pasted "10.0.0.1" in a field that jumps on "." moves on
        // once, not three times); setting the text runs this handler again for the rest.
        const int cursor = edit->cursorPosition();
        const int before = static_cast<int>(text.left(cursor).count(format.jump));
        QString stripped = text;
        stripped.remove(format.jump);
        edit->setText(stripped);
        edit->setCursorPosition(cursor - before);
        PostMoveToNextControl(WindowFor(edit));
        return;
    }
    if (typed) {
        const FilteredText filtered = FilterTypedText(format, text, edit->cursorPosition());
        if (filtered.removed > 0) {
            edit->setText(filtered.text);
            edit->setCursorPosition(filtered.cursor);
            Beep(kRefusedKeyHz, kRefusedKeyMs);
            return;
        }
    }

    if (entry->previousChange) {
        const QPointer<QxEditConstraint> self(this);
        const QPointer<QLineEdit> field(edit);
        const EditHandler previous = entry->previousChange;
        previous(edit);
        if (!self || !field || !Find(edit) || EditTag(edit) == kVetoTag) return;
    }

    if (typed && (format.lengthFlags & LengthFlag::AutoAdvance) && format.maxLength > 0 &&
        edit->text().size() == format.maxLength)
        PostMoveToNextControl(WindowFor(edit));
}

bool QxEditConstraint::EditExit(QLineEdit* edit)
{
    Entry* entry = Find(edit);
    const QString text = edit->text();
    if (!entry || IsValueMarker(text)) return true;

    const ExitVerdict verdict = CheckExitText(entry->format, text);
    if (verdict.kind == ExitVerdict::EmptyAccepted) return true;

    const QPointer<QxEditConstraint> self(this);
    const QPointer<QLineEdit> field(edit);
    if (verdict.kind == ExitVerdict::Refused) {
        ShowMessage(WindowFor(edit), verdict.message);
        // The box ran an event loop: the page may be gone, or the field detached.
        if (!self || !field || !(entry = Find(edit))) return false;
        edit->setText(entry->lastAccepted);
        const EditExitSuppressor keepOtherFieldsQuiet;
        edit->setFocus(Qt::OtherFocusReason);
        return false;
    }

    if (entry->previousExit) {
        const EditHandler previous = entry->previousExit;
        previous(edit);
        if (!self || !field || !(entry = Find(edit))) return false;
        if (EditTag(edit) == kVetoTag) {
            edit->setText(entry->lastAccepted);
            return false;
        }
    }
    if (remember_) entry->lastAccepted = text;
    return true;
}
