#include "request2controls.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include "guarded.h"
#include "platform/message_box.h"
#include "snmp/session.h"

namespace {

const QString kError = QStringLiteral("[ERROR]");
const QString kVarList = QStringLiteral("[VARLIST]");
const QString kTime = QStringLiteral("[TIME]");

// "hh:mm:ss" on the 12-hour clock, a blank and the locale's AM or PM designator.
QString StatusTime()
{
    const QTime now = QTime::currentTime();
    const int hour = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    const QLocale locale;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(now.minute(), 2, 10, QLatin1Char('0'))
        .arg(now.second(), 2, 10, QLatin1Char('0'))
        .arg(now.hour() < 12 ? locale.amText() : locale.pmText());
}

QxSNMPError ErrorFrom(const AppException& e)
{
    QxSNMPError error;
    error.Code = e.code();
    error.Message = e.message();
    error.Done = true;
    return error;
}

QxSNMPError ErrorFrom(const std::exception& e)
{
    QxSNMPError error;
    error.Code = LibErr::Unknown;
    error.Message = QString::fromLocal8Bit(e.what());
    error.Done = true;
    return error;
}

}  // namespace

QxSNMPRequest2Controls::QxSNMPRequest2Controls(QWidget* owner)
    : QObject(owner), request_(std::make_unique<QxSNMPRequest>()), owner_(owner)
{
    // A widget announces its end before it destroys its children (this binding among them):
    // from then on nothing may reach the page, and answers on their way are not waited for.
    if (owner)
        connect(owner, &QObject::destroyed, this, [this] {
            ownerGone_ = true;
            request_->Enabled = false;
            waitingGets_ = 0;
        });
}

QxSNMPRequest2Controls::~QxSNMPRequest2Controls()
{
    alive_.reset();  // callbacks still on their way find the binding gone
    waitingGets_ = 0;
    request_->Enabled = false;
    if (ownerGone_) request_->CancelOutstanding();
    request_.reset();  // waits up to 6 s for answers on their way
}

void QxSNMPRequest2Controls::SetStatusTarget(QPlainTextEdit* memo)
{
    memo_ = memo;
    statusBar_ = nullptr;
    statusPanel_ = nullptr;
}

void QxSNMPRequest2Controls::SetStatusTarget(QStatusBar* statusBar)
{
    memo_ = nullptr;
    statusBar_ = statusBar;
    statusPanel_ = nullptr;
}

void QxSNMPRequest2Controls::SetStatusTarget(QLabel* statusPanel)
{
    memo_ = nullptr;
    statusBar_ = nullptr;
    statusPanel_ = statusPanel;
}

bool QxSNMPRequest2Controls::HasStatusTarget() const
{
    return memo_ || statusBar_ || statusPanel_;
}

void QxSNMPRequest2Controls::ShowStatus(const QString& message)
{
    ShowStatus(message, Operation);
}

void QxSNMPRequest2Controls::ShowStatus(const QString& message, int operation)
{
    if (ownerGone_) return;
    QString line = CatalogueText(Catalogue::StatusTemplates, operation == OperationGet ? 0 : 1);
    const QString& name = Vars().Name;
    if (name.isEmpty()) {
        // Without a name the request part goes: the blank, "Request:", the placeholder and
        // the character after it.
        const qsizetype error = line.indexOf(kError);
        const qsizetype list = line.indexOf(kVarList);
        if (error >= 0 && list > error)
            line.remove(error + kError.size(), list + kVarList.size() + 1 - (error + kError.size()));
        else
            line.replace(kVarList, QString());
    } else {
        line.replace(kVarList, name);
    }
    line.replace(kError, message);
    line.replace(kTime, StatusTime());
    if (memo_)
        memo_->appendPlainText(line);
    else if (statusBar_)
        statusBar_->showMessage(line);
    else if (statusPanel_)
        statusPanel_->setText(line);
}

void QxSNMPRequest2Controls::ShowMessage(const QString& message)
{
    if (ownerGone_) return;
    ::ShowMessage(owner_, message);
}

void QxSNMPRequest2Controls::GetFailed(const QxSNMPError& error)
{
    if (HasStatusTarget())
        ShowStatus(error.Message);
    else
        ShowMessage(error.Message);
}

void QxSNMPRequest2Controls::SetFailed(const QxSNMPError& error)
{
    GetFailed(error);
}

bool QxSNMPRequest2Controls::RowPassesFilters()
{
    QString own;
    if (!RowFilterTemplate.isEmpty() && RowFilterSource)
        own = RowFilterSource->SubstituteValues(RowFilterTemplate, true, QStringLiteral("#"));
    return request_->EvaluateFilter(own) && request_->EvaluateFilter(request_->FilterExpression);
}

QxSNMPError QxSNMPRequest2Controls::Success() const
{
    QxSNMPError ok;
    ok.Message = MapSnmpError(0).message;
    ok.Agent = request_->Device;
    ok.Done = true;
    return ok;
}

// ---- Waiting reads ---------------------------------------------------------------------------

void QxSNMPRequest2Controls::RunWaitingGets()
{
    const std::weak_ptr<int> alive = alive_;
    while (!busy_ && waitingGets_ > 0) {
        if (!request_->Enabled) {
            waitingGets_ = 0;
            return;
        }
        --waitingGets_;
        // Nobody waits on this call to catch what the read raises when it starts.
        RunAndReport([this] { StartGet(); });
        if (alive.expired()) return;
    }
}

void QxSNMPRequest2Controls::Get()
{
    if (!Idle()) {
        if (request_->Enabled) ++waitingGets_;  // stopped: nothing starts, nothing waits
        return;
    }
    StartGet();
}

void QxSNMPRequest2Controls::RaiseIfBusy() const
{
    if (!Idle()) throw AppException(QString::fromLatin1(kGetDataNotComplete));
}

void QxSNMPRequest2Controls::Set(bool refresh, bool collect, const QString& selection, const QStringList* values)
{
    RaiseIfBusy();
    StartSet(refresh, collect, selection, values);
}

// ---- Get ------------------------------------------------------------------------------------

void QxSNMPRequest2Controls::StartGet()
{
    Operation = OperationGet;
    BeforeGet();
    RowCount = 0;
    if (!request_->Enabled) return;
    if (Mode == ModeSync) {
        GetSync();
        return;
    }
    busy_ = true;
    try {
        ReadNext(true);
    } catch (...) {
        busy_ = false;
        throw;
    }
}

void QxSNMPRequest2Controls::TakeRow()
{
    if (!RowPassesFilters()) return;
    ++RowCount;
    RowReceived();
}

void QxSNMPRequest2Controls::GetSync()
{
    const std::weak_ptr<int> alive = alive_;
    busy_ = true;
    ++syncDepth_;
    try {
        if (!Vars().IsTable()) {
            request_->ReadSync(true);
            TakeRow();
        } else {
            for (bool more = request_->ReadSync(true); more; more = request_->ReadSync(false)) {
                TakeRow();
                if (alive.expired()) return;  // the page went away while the row was shown
            }
        }
        if (alive.expired()) return;
        GetDone();
    } catch (...) {
        if (!alive.expired()) {
            --syncDepth_;
            busy_ = false;
        }
        throw;
    }
    --syncDepth_;
    busy_ = false;
    if (HasStatusTarget()) ShowStatus(Success().Message);
    RunWaitingGets();
}

void QxSNMPRequest2Controls::ReadNext(bool first)
{
    const std::weak_ptr<int> alive = alive_;
    request_->ReadAsync(
        [this, alive](const QxSNMPError& error, QxSNMPVarList&) {
            if (!alive.expired()) OnGetAnswer(error);
        },
        first);
}

void QxSNMPRequest2Controls::OnGetAnswer(const QxSNMPError& error)
{
    if (error.Code != 0) {
        Fail(true, error);
        return;
    }
    const std::weak_ptr<int> alive = alive_;
    const bool table = Vars().IsTable();
    try {
        // A table's last exchange finds no row (Done); a scalar group is one row.
        if (!table || !error.Done) TakeRow();
        if (alive.expired()) return;
        if (table && !error.Done && request_->Enabled) {
            ReadNext(false);
            return;
        }
    } catch (const AppException& e) {
        if (!alive.expired()) Fail(true, ErrorFrom(e));
        return;
    } catch (const std::exception& e) {
        if (!alive.expired()) Fail(true, ErrorFrom(e));
        return;
    }
    FinishGet();
}

void QxSNMPRequest2Controls::FinishGet()
{
    const std::weak_ptr<int> alive = alive_;
    RunAndReport([this] { GetDone(); });
    if (alive.expired()) return;
    busy_ = false;
    if (HasStatusTarget()) ShowStatus(Success().Message);
    CallCompletion(Success());
    if (alive.expired()) return;
    RunWaitingGets();
}

// ---- Set ------------------------------------------------------------------------------------

void QxSNMPRequest2Controls::StartSet(bool refresh, bool collect, const QString& selection,
                                      const QStringList* values)
{
    Operation = OperationSet;
    RefreshAfterSet = refresh;
    BeforeSet();
    if (collect) CollectValues();
    if (!request_->Enabled) return;
    if (Mode == ModeSync) {
        const std::weak_ptr<int> alive = alive_;
        busy_ = true;
        ++syncDepth_;
        try {
            request_->WriteSync(selection, values);
            SetDone();
        } catch (...) {
            if (!alive.expired()) {
                --syncDepth_;
                busy_ = false;
            }
            throw;
        }
        if (alive.expired()) return;
        --syncDepth_;
        busy_ = false;
        if (HasStatusTarget()) ShowStatus(Success().Message);
        if (Vars().IsTable() && RefreshAfterSet) {
            StartGet();
            return;  // the get runs what waits when it is done
        }
        RunWaitingGets();
        return;
    }
    busy_ = true;
    const std::weak_ptr<int> alive = alive_;
    try {
        request_->WriteAsync(
            [this, alive](const QxSNMPError& error, QxSNMPVarList&) {
                if (!alive.expired()) OnSetAnswer(error);
            },
            selection, values);
    } catch (...) {
        busy_ = false;
        throw;
    }
}

void QxSNMPRequest2Controls::OnSetAnswer(const QxSNMPError& error)
{
    if (error.Code != 0) {
        Fail(false, error);
        return;
    }
    const std::weak_ptr<int> alive = alive_;
    RunAndReport([this] { SetDone(); });
    if (alive.expired()) return;
    busy_ = false;
    if (HasStatusTarget()) ShowStatus(Success().Message);
    CallCompletion(error);
    if (alive.expired()) return;
    if (Vars().IsTable() && RefreshAfterSet) {
        if (busy_) {
            ++waitingGets_;  // the completion handler started something: the refresh follows it
            return;
        }
        RunAndReport([this] { StartGet(); });
        if (alive.expired() || busy_) return;
    }
    RunWaitingGets();
}

// ---- Outcome --------------------------------------------------------------------------------

void QxSNMPRequest2Controls::Fail(bool get, const QxSNMPError& error)
{
    const std::weak_ptr<int> alive = alive_;
    busy_ = false;
    RunAndReport([&] {
        if (get)
            GetFailed(error);
        else
            SetFailed(error);
    });
    if (alive.expired()) return;
    CallCompletion(error);
    if (alive.expired()) return;
    RunWaitingGets();
}

void QxSNMPRequest2Controls::CallCompletion(const QxSNMPError& error)
{
    if (!Completion || ownerGone_) return;
    const CompletionHandler handler = Completion;  // the handler may replace it, or end the binding
    RunAndReport([&] { handler(this, error); });
}

bool QxSNMPRequest2Controls::WaitWhileBusy(int timeoutMs)
{
    if (Idle()) return true;
    // The running operation is on the stack below us, or its answer can only come after the
    // callback we are in has returned: waiting here could never end early.
    if (syncDepth_ > 0 || QxSnmpSession::Instance().Delivering()) return false;
    const std::weak_ptr<int> alive = alive_;
    QElapsedTimer clock;
    clock.start();
    while (!Idle() && clock.elapsed() < timeoutMs) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        if (alive.expired()) return true;
    }
    return Idle();
}
