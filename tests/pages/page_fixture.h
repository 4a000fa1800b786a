#pragma once
// Shared by the page tests: small descriptor tables, page builders and the helpers that drive
// modal dialogs from inside their own event loops.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "binding/listview.h"
#include "values/optionlist.h"
#include "binding/request2edits.h"
#include "pages/config_form.h"
#include "pages/ctrl_btn_panel.h"
#include "pages/edits_panel.h"
#include "pages/snmp_editor_panel.h"
#include "pages/snmp_listview_panel.h"
#include "snmp/vardesc.h"

namespace pagetest {

inline const QxOptionList kRowStatus{{1, "active"},      {2, "notInService"}, {3, "notReady"},
                                     {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}};
inline const QxOptionList kEnabledDisabled{{1, "enabled"}, {2, "disabled"}};

inline std::unique_ptr<TConfigForm> ScalarPage(const QxSNMPVarDesc* table, TSNMPEditorPanel** editor = nullptr,
                                               uint8_t kind = VarListKind::ScalarGroup)
{
    auto form = std::make_unique<TConfigForm>();
    auto binding = std::make_unique<QxSNMPRequest2Edits>(form.get());
    binding->SetVarList(QxSNMPVarList(table, kind, 0));
    TSNMPEditorPanel* panel = form->SetEditor(std::move(binding));
    if (editor) *editor = panel;
    form->setWindowTitle(QStringLiteral("Scalar Page: 127.0.0.1"));
    return form;
}

inline std::unique_ptr<TConfigForm> TablePage(const QxSNMPVarDesc* table, int indexCount, int addVar,
                                              const QString& addText, int deleteVar, const QString& deleteText,
                                              TSNMPListViewPanel** panel = nullptr)
{
    auto form = std::make_unique<TConfigForm>();
    auto binding = std::make_unique<QxSNMPRequest2Edits>(form.get());
    binding->SetVarList(QxSNMPVarList(table, VarListKind::Table, indexCount));
    TSNMPListViewPanel* page = form->SetTable(std::move(binding), addVar, addText, deleteVar, deleteText);
    if (panel) *panel = page;
    form->setWindowTitle(QStringLiteral("Table Page: 127.0.0.1"));
    return form;
}

template <typename T = QWidget>
T* Find(const QWidget* parent, const QString& name)
{
    return parent->findChild<T*>(name);
}

// Runs `inspect` on the dialog called `name` once it is shown (from inside its modal loop),
// then closes it if `inspect` left it open. Gives up after `timeoutMs`, or when the returned
// watcher is deleted.
inline QPointer<QTimer> WhenDialogOpens(const QString& name, std::function<void(QDialog*)> inspect,
                                        int timeoutMs = 20000)
{
    // Owned by the application, so a watcher whose dialog never opened goes with it at exit.
    auto* timer = new QTimer(qApp);
    auto started = std::make_shared<int>(0);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, name, inspect, started, timeoutMs] {
        *started += 10;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (!dialog || dialog->objectName() != name || !dialog->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            QPointer<QDialog> guard(dialog);
            inspect(dialog);
            if (guard && guard->isVisible()) guard->reject();
            return;
        }
        if (*started > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    return timer;
}

}  // namespace pagetest
