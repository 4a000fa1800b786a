#pragma once
// A binding runs one request for a page: reads or writes its variable list synchronously or
// asynchronously, counts the rows, reports the outcome on a status target or in a message box,
// and calls its virtual steps at fixed points.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "snmp/errors.h"
#include "snmp/request.h"

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

class QxSNMPRequest2Controls : public QObject {
    Q_OBJECT
public:
    enum { ModeSync = 0, ModeAsync = 1 };
    enum { OperationGet = 0, OperationSet = 1 };
    // Called after a get or a set completes (asynchronous mode), with the outcome.
    using CompletionHandler = std::function<void(QxSNMPRequest2Controls* binding, const QxSNMPError& error)>;

    explicit QxSNMPRequest2Controls(QWidget* owner);
    ~QxSNMPRequest2Controls() override;

    QxSNMPRequest& Request() { return *request_; }
    QxSNMPVarList& Vars() { return request_->Vars; }

    // Status targets: a memo gets lines appended, a status bar its simple text, a status panel
    // (a label, such as panel 0 of the main window's status bar) its text.
    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(QStatusBar* statusBar);
    void SetStatusTarget(QLabel* statusPanel);

    // Reads the variable list. In asynchronous mode an operation asked for while another runs
    // waits for it and then runs, in the order asked; clearing the request's Enabled drops it.
    void Get();
    void Set(bool refresh = true, bool collect = true, const QString& selection = QString(),
             const QStringList* values = nullptr);
    void ShowStatus(const QString& message);

    // Blocks (processing events) until no operation runs or waits, or until the time runs out.
    // Returns true when idle.
    bool WaitWhileBusy(int timeoutMs = 6000);

    int Mode = ModeAsync;
    bool Busy() const { return busy_; }
    int RowCount = 0;
    int Operation = OperationGet;
    bool RefreshAfterSet = true;
    CompletionHandler Completion;
    // Row filter: a condition template with "#<position>" references filled from a source request.
    QString RowFilterTemplate;
    QxSNMPRequest* RowFilterSource = nullptr;

    QWidget* Owner() const { return owner_; }

protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void RowReceived() = 0;
    virtual void CollectValues() {}
    virtual void GetFailed(const QxSNMPError& error);
    virtual void SetFailed(const QxSNMPError& error);
    virtual void GetDone() {}
    virtual void SetDone() {}

    // Shows a message box owned by the owner window, captioned with the program's file name.
    void ShowMessage(const QString& message);
    bool RowPassesFilters();

private:
    void StartGet();
    void StartSet(bool refresh, bool collect, const QString& selection, const QStringList* values);
    void OnGetAnswer(const QxSNMPError& error);
    void OnSetAnswer(const QxSNMPError& error);
    void Finish();
    void RunNextQueued();

    std::unique_ptr<QxSNMPRequest> request_;
    QPointer<QWidget> owner_;
    QPointer<QPlainTextEdit> memo_;
    QPointer<QStatusBar> statusBar_;
    QPointer<QLabel> statusPanel_;
    bool busy_ = false;
    std::deque<std::function<void()>> queued_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
