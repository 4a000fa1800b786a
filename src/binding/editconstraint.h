#pragma once
// Input rules for the single-line edit fields of a page, one format string per field
// (editformat.h). While the user types, characters the field's kind does not allow are
// dropped with a beep, a jump character or a full field moves the focus on; when the user
// leaves the field, the whole text is checked and, on failure, a message box explains the
// rule, the last accepted text comes back and the field gets the focus again.
//
// The constraint plugs into the field's handler slots (edithooks.h): on attach it takes the
// field's change and exit handlers as its "previous" handlers, installs its own, and calls
// the previous ones:
//   - change: after the typing filter has passed the text (not for "(NULL)", "(NOTDONE)" or
//     an empty text); when the previous handler leaves the field's tag at -1, the constraint
//     does not auto-advance;
//   - exit: after the text passed the exit check; when the previous handler leaves the tag at
//     -1, the last accepted text is put back and the text is not remembered.
// Detach, and the destructor, give the previous handlers back.
//
// Text set by the program (values read from the agent) is never cut, filtered or used to move
// the focus; only the user's edits are. The exit check applies to whatever the field holds.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "binding/edithooks.h"
#include "values/editformat.h"

class QLineEdit;

class QxEditConstraint : public QObject {
    Q_OBJECT

public:
    // The owner owns the message boxes and is the window whose focus moves on; without one,
    // the field's own window is used. With rememberAcceptedText, every text that passes the
    // exit check becomes the field's last accepted text.
    QxEditConstraint(QWidget* owner, bool rememberAcceptedText);
    ~QxEditConstraint() override;

    void SetOwner(QWidget* owner);
    QWidget* Owner() const { return owner_; }

    // One segment of the format per field, in order. The whole format is checked before any
    // field is touched: a bad segment, or fewer fields than segments, raises -2 and attaches
    // nothing.
    void Attach(const QString& format, const QList<QLineEdit*>& edits);
    // A second attach of the same field replaces its rules and keeps its first previous handlers.
    void AttachOne(const QString& segment, QLineEdit* edit);
    void Detach(QLineEdit* edit);
    void RememberText(QLineEdit* edit);

    // The check of leaving the field, run now: pages run it for the focused field before Add or
    // Set, which a shortcut or a button without focus reach without the field being left.
    // True when the field is not attached or its text passed; a refusal is shown as on exit.
    bool CheckExitNow(QLineEdit* edit);
    bool IsAttached(const QLineEdit* edit) const;
    QString LastAcceptedText(const QLineEdit* edit) const;

    static long double EvaluateArithmetic(const QString& text);
    static bool EvaluateCondition(const QString& text);

private:
    struct Entry {
        const QObject* key = nullptr;  // the field's identity; compared, never used once it is gone
        QPointer<QLineEdit> edit;
        EditFormat format;
        QString lastAccepted;
        EditHandler previousChange;
        EditHandler previousExit;
        QMetaObject::Connection destroyed;
    };

    Entry* Find(const QLineEdit* edit) const;
    void Install(QLineEdit* edit, const EditFormat& format);
    void GiveBackHandlers(Entry& entry);
    QWidget* WindowFor(QLineEdit* edit) const;

    void EditChange(QLineEdit* edit);
    // False when the text was refused (by the format or by the page's own exit handler).
    bool EditExit(QLineEdit* edit);

    QPointer<QWidget> owner_;
    bool remember_;
    std::vector<std::unique_ptr<Entry>> entries_;
};
