#include "message_box.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

bool Show(const MessageBoxRequest& request)
{
    if (Hook()) return Hook()(request);
    if (request.buttons == MessageButtons::YesNo) {
        QMessageBox box(QMessageBox::Question, request.caption, request.text, QMessageBox::Yes | QMessageBox::No, request.owner);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }
    const auto buttons = request.buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, request.caption, request.text, buttons, request.owner);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

QString ProgramFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void ShowMessage(QWidget* owner, const QString& text)
{
    Show({owner, ProgramFileName(), text, MessageButtons::Ok});
}

bool ConfirmOkCancel(QWidget* owner, const QString& text)
{
    return Show({owner, ProgramFileName(), text, MessageButtons::OkCancel});
}

bool AskYesNo(QWidget* owner, const QString& text)
{
    return Show({owner, ProgramFileName(), text, MessageButtons::YesNo});
}

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}
