#pragma once
// A binding runs one request for a page: reads or writes its variable list synchronously or
// asynchronously, counts the rows, reports the outcome on a status target or in a message box,
// and calls its virtual steps at fixed points.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "snmp/errors.h"
#include "snmp/request.h"

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QWidget;

// What a page says when a write is asked for while its binding still reads or writes.
inline const char* const kGetDataNotComplete = "Get data not complete";

class QxSNMPRequest2Controls : public QObject {
    Q_OBJECT
public:
    enum { ModeSync = 0, ModeAsync = 1 };
    enum { OperationGet = 0, OperationSet = 1 };
    // Called after a get or a set completes (asynchronous mode), with the outcome.
    using CompletionHandler = std::function<void(QxSNMPRequest2Controls* binding, const QxSNMPError& error)>;

    // The binding is a child of its owner and never outlives it. From the moment the owner
    // starts being destroyed, no completion handler, status line or message box runs.
    explicit QxSNMPRequest2Controls(QWidget* owner);
    ~QxSNMPRequest2Controls() override;

    QxSNMPRequest& Request() { return *request_; }
    QxSNMPVarList& Vars() { return request_->Vars; }
    const QxSNMPVarList& Vars() const { return request_->Vars; }

    // Status targets: a memo gets lines appended, a status bar its simple text, a status panel
    // (a label, such as panel 0 of the main window's status bar) its text. One at a time.
    void SetStatusTarget(QPlainTextEdit* memo);
    void SetStatusTarget(QStatusBar* statusBar);
    void SetStatusTarget(QLabel* statusPanel);
    bool HasStatusTarget() const;

    // Reads the variable list. A read asked for while an operation runs waits for it and then
    // runs; clearing the request's Enabled drops what waits.
    // In synchronous mode errors of the engine are raised to the caller; in asynchronous mode
    // errors of the exchanges end in GetFailed/SetFailed and the completion handler.
    void Get();
    // Writes the variable list. Refused (RaiseIfBusy) while an operation runs or waits.
    void Set(bool refresh = true, bool collect = true, const QString& selection = QString(),
             const QStringList* values = nullptr);
    // Raises "Get data not complete" while an operation runs or waits. A write never waits:
    // by the time it ran, the page would have given back the rows it excluded, and a read would
    // have replaced the values it collected.
    void RaiseIfBusy() const;
    // A status line with the template of the current operation, or of the one given.
    void ShowStatus(const QString& message);
    void ShowStatus(const QString& message, int operation);

    // Processes events until no operation runs or waits, or until the time runs out. Returns
    // true when idle. Returns false at once when the running operation cannot finish before
    // this returns (called from inside it, such as from a row handler of a synchronous walk).
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

    QWidget* Owner() const { return ownerGone_ ? nullptr : owner_.data(); }

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
    // A token that expires with the binding: code that lets events run (a row handler that
    // processes pending events) checks it before it touches the binding again.
    std::weak_ptr<int> AliveToken() const { return alive_; }

private:
    bool Idle() const { return !busy_ && waitingGets_ == 0; }
    void RunWaitingGets();
    void StartGet();
    void StartSet(bool refresh, bool collect, const QString& selection, const QStringList* values);
    void GetSync();
    void SetSync();
    void TakeRow();
    void ReadNext(bool first);
    void OnGetAnswer(const QxSNMPError& error);
    void OnSetAnswer(const QxSNMPError& error);
    void FinishGet();
    void Fail(bool get, const QxSNMPError& error);
    void CallCompletion(const QxSNMPError& error);
    QxSNMPError Success() const;

    std::unique_ptr<QxSNMPRequest> request_;
    QPointer<QWidget> owner_;
    bool ownerGone_ = false;
    QPointer<QPlainTextEdit> memo_;
    QPointer<QStatusBar> statusBar_;
    QPointer<QLabel> statusPanel_;
    bool busy_ = false;
    // Synchronous operations of this binding on the stack right now.
    int syncDepth_ = 0;
    // Reads asked for while an operation ran; they run one after the other once it is done.
    int waitingGets_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
