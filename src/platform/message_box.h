#pragma once
// Modal message boxes owned by a window and captioned with the program's file name.

#include <QString>
#include <functional>

class QWidget;

enum class MessageButtons { Ok, OkCancel, YesNo };

struct MessageBoxRequest {
    QWidget* owner = nullptr;
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
};

// The program's file name without its directory.
QString ProgramFileName();

// Shows the text with an OK button and returns when the user closes the box.
void ShowMessage(QWidget* owner, const QString& text);

// Shows the text with OK and Cancel; true when the user chose OK.
bool ConfirmOkCancel(QWidget* owner, const QString& text);

// A question with Yes and No (Yes the default); true when the user chose Yes.
bool AskYesNo(QWidget* owner, const QString& text);

// Replaces the real boxes for the whole process (tests read the texts with it instead of
// clicking modal boxes away). The hook's result is the answer: true for OK or Yes. An empty hook
// restores the real boxes.
using MessageBoxHook = std::function<bool(const MessageBoxRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);
