#include "request.h"

#include <QCoreApplication>
#include <algorithm>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

#include "values/evaluate.h"
#include "values/optionlist.h"
#include "values/valuetext.h"
#include "exception_reporter.h"

namespace {

constexpr int kDestroyWaitMs = 6000;

const QString kNotDone = QStringLiteral("(NOTDONE)");

}  // namespace

QxSNMPRequest::QxSNMPRequest()
{
    const QxSNMPProfile& profile = DefaultProfile();
    Timeout = profile.Timeout;
    Device = profile.Device;
    Scope = profile.Scope;
    Security = profile.Security;
}

QxSNMPRequest::~QxSNMPRequest()
{
    Enabled = false;
    // Let answers in flight arrive (the pump runs from the event loop); an exchange whose
    // callback is on the stack right now cannot complete before we return, so it is not waited for.
    // While the pump is running callbacks (this request is destroyed from inside one), no other
    // answer can arrive before we return, so there is nothing to wait for.
    QElapsedTimer clock;
    clock.start();
    while (Outstanding - inCallback_ > 0 && clock.elapsed() < kDestroyWaitMs && QCoreApplication::instance() &&
           !QxSnmpSession::Instance().Delivering()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    CancelOutstanding();
}

void QxSNMPRequest::CancelOutstanding()
{
    for (QxRequestHandle handle : pending_) QxSnmpSession::Instance().Cancel(handle);
    pending_.clear();
    Outstanding = inCallback_;
}

QString QxSNMPRequest::ColumnBase(int i) const
{
    const QxSNMPVar& v = Vars.Get(i);
    if (Vars.Instance.isEmpty()) return v.Oid;
    return v.Oid + QLatin1Char('.') + Vars.Instance;
}

QxSNMPProfile QxSNMPRequest::Profile() const
{
    QxSNMPProfile profile;
    profile.Device = Device;
    profile.Scope = Scope;
    profile.Security = Security;
    profile.Timeout = Timeout;
    return profile;
}

QxTarget QxSNMPRequest::Target() const
{
    return BuildTarget(Profile(), Timeout, Retries);
}

QxPdu QxSNMPRequest::BuildPdu(Mode mode)
{
    QxPdu pdu;
    SetPduSecurity(pdu, Profile());
    const uint8_t kind = Vars.Kind;
    const bool table = Vars.IsTable();
    QString tableInstance;
    if (mode == Mode::Set && table) tableInstance = InstanceSuffix();
    int leftOut = 0;

    for (int i = 0; i < Vars.GetCount(); ++i) {
        QxSNMPVar& v = Vars.Get(i);
        QxVb vb;
        if (mode == Mode::First) {
            if (!Vars.IsRequested(i) || passedEnd_.count(i)) continue;
            v.CurrentOid.clear();
            vb.Oid = kind == VarListKind::ScalarGroup ? ColumnBase(i) + QStringLiteral(".0") : ColumnBase(i);
        } else if (mode == Mode::Continue) {
            if (!Vars.IsRequested(i) || passedEnd_.count(i)) continue;
            if (kind == VarListKind::ScalarGroup || kind == VarListKind::SingleInstance)
                RaiseLibraryError(LibErr::NextOnSingle);
            vb.Oid = v.CurrentOid;
        } else {
            if (table && i < Vars.IndexCount) continue;
            if (!Vars.IsWritten(i)) continue;
            // A column without a row at this position has no value to write back; sent as it
            // stands, the marker would become an ordinary string or a 0.
            if (v.Value == kNotDone) {
                ++leftOut;
                continue;
            }
            switch (kind) {
            case VarListKind::ScalarGroup: vb.Oid = ColumnBase(i) + QStringLiteral(".0"); break;
            case VarListKind::SingleInstance: vb.Oid = ColumnBase(i); break;
            case VarListKind::Table:
            case VarListKind::TableU: vb.Oid = ColumnBase(i) + QLatin1Char('.') + tableInstance; break;
            default: RaiseLibraryError(LibErr::BadKind);
            }
            EncodeValue(i, vb);
        }
        pdu.Vbs.push_back(std::move(vb));
    }
    // Nothing but markers to write: refuse rather than send an empty set that succeeds.
    if (mode == Mode::Set && pdu.Vbs.empty() && leftOut > 0) RaiseLibraryError(LibErr::PartValue);
    return pdu;
}

QxSNMPRequest::Outcome QxSNMPRequest::ProcessAnswer(int code, const QxPdu& answer,
                                                   const std::vector<QString>& sentOids)
{
    const bool table = Vars.IsTable();
    if (code == PduErr::NoSuchName && table) return EndColumnAtErrorIndex(answer, sentOids);
    // First find out whether the answer holds a row at all: when every column has ended, the
    // walk is over and the last row read stays in the values untouched.
    struct Column {
        int i;
        const QxVb* vb;
        bool ended;
    };
    std::vector<Column> columns;
    for (int i = 0; i < Vars.GetCount(); ++i) {
        if (!Vars.IsRequested(i) || passedEnd_.count(i)) continue;
        const size_t processed = columns.size();
        if (processed >= answer.Vbs.size()) RaiseMapped(MapSnmpError(SnmpErr::InvalidPdu));  // fewer bindings than asked for
        const QxVb& vb = answer.Vbs[processed];
        columns.push_back({i, &vb, IsEndOfColumn(ColumnBase(i), Vars.Get(i).CurrentOid, vb.Oid)});
    }
    if (std::all_of(columns.begin(), columns.end(), [](const Column& c) { return c.ended; })) return Outcome::NoRow;

    QString instance;
    for (const Column& column : columns) {
        if (column.ended) continue;
        QxSNMPVar& v = Vars.Get(column.i);
        const QString prefix = ColumnBase(column.i);
        const QString& response = column.vb->Oid;
        DecodeValue(column.i, *column.vb);
        v.CurrentOid = response;
        // The row's instance comes from a column that has the row: the answer of an ended
        // column lies in some other column or table and says nothing about this row.
        if (instance.isEmpty() && response.size() > prefix.size()) instance = response.mid(prefix.size() + 1);
    }
    if (table) DecodeInstance(instance);
    // A column without this row resumes after it, so that a column that has the next rows
    // again (after a gap, or an agent's endOfMibView in the middle) stays in step with the
    // others; resuming after the previous row would read this row's value into the next row.
    const QString suffix = InstanceSuffix();
    for (const Column& column : columns) {
        if (!column.ended) continue;
        QxSNMPVar& v = Vars.Get(column.i);
        // An index column keeps the value decoded from the row's instance.
        if (!table || column.i >= Vars.IndexCount) v.Value = kNotDone;
        // A table without index columns has no such row to name: the column stays where its
        // answer left it, past its end.
        v.CurrentOid = suffix.isEmpty() ? column.vb->Oid : ColumnBase(column.i) + QLatin1Char('.') + suffix;
    }
    for (const int i : passedEnd_)
        if (i >= Vars.IndexCount) Vars.Get(i).Value = kNotDone;
    for (int i = 0; i < Vars.GetCount(); ++i) ApplyExpression(i, true);
    return table ? Outcome::Row : Outcome::NoRow;
}

// SNMPv1 has no endOfMibView: a get-next that passes the end of the agent's MIB in one column
// fails as a whole with noSuchName, the request's own bindings and that column's position as
// error index. That column is over; the others may still have rows.
QxSNMPRequest::Outcome QxSNMPRequest::EndColumnAtErrorIndex(const QxPdu& answer, const std::vector<QString>& sentOids)
{
    const auto echoed = [&](size_t at) {
        return at < sentOids.size() && at < answer.Vbs.size() && answer.Vbs[at].Oid == sentOids[at];
    };
    const size_t at = static_cast<size_t>(answer.ErrorIndex) - 1;
    if (answer.ErrorIndex < 1 || at >= sentOids.size()) {
        // No column named: the end of the MIB for the whole request, as long as the answer
        // repeats what was sent (an empty last table ends cleanly too).
        return echoed(0) ? Outcome::EndOfMib : Outcome::Error;
    }
    if (!echoed(at)) return Outcome::Error;
    size_t position = 0;
    bool anyLeft = false;
    for (int i = 0; i < Vars.GetCount(); ++i) {
        if (!Vars.IsRequested(i) || passedEnd_.count(i)) continue;
        if (position++ == at)
            passedEnd_.insert(i);
        else
            anyLeft = true;
    }
    return anyLeft ? Outcome::ColumnPassedEnd : Outcome::EndOfMib;
}

bool QxSNMPRequest::ReadSync(bool first)
{
    if (!Enabled) return false;
    if (Vars.Kind > VarListKind::TableU) RaiseLibraryError(LibErr::BadKind);
    if (first) passedEnd_.clear();
    for (;;) {
        const QxTarget target = Target();
        const QxPdu pdu = BuildPdu(first ? Mode::First : Mode::Continue);
        std::vector<QString> sent;
        for (const QxVb& vb : pdu.Vbs) sent.push_back(vb.Oid);
        QxPdu answer;
        const PduType type = Vars.IsTable() ? PduType::GetNext : PduType::Get;
        const int status = QxSnmpSession::Instance().SyncRequest(target, type, pdu, answer);
        const MappedError mapped = MapSnmpError(status != 0 ? status : answer.ErrorStatus);
        if (mapped.code != 0 && !(mapped.code == PduErr::NoSuchName && Vars.IsTable())) RaiseMapped(mapped);
        switch (ProcessAnswer(mapped.code, answer, sent)) {
        case Outcome::Row: return true;
        case Outcome::Error: RaiseMapped(mapped);
        case Outcome::ColumnPassedEnd:
            if (!Enabled) return false;
            continue;
        case Outcome::NoRow:
        case Outcome::EndOfMib: return false;
        }
        return false;
    }
}

void QxSNMPRequest::ReadAsync(Callback callback, bool first)
{
    if (!Enabled) return;
    if (Vars.Kind > VarListKind::TableU) RaiseLibraryError(LibErr::BadKind);
    if (first) passedEnd_.clear();
    SendRead(std::move(callback), first);
}

void QxSNMPRequest::SendRead(Callback callback, bool first)
{
    const QxTarget target = Target();
    const QxPdu pdu = BuildPdu(first ? Mode::First : Mode::Continue);
    SendAsync(target, Vars.IsTable() ? PduType::GetNext : PduType::Get, pdu,
              first ? Exchange::ReadFirst : Exchange::ReadNext, std::move(callback));
}

void QxSNMPRequest::SendAsync(const QxTarget& target, PduType type, const QxPdu& pdu, Exchange exchange,
                              Callback callback)
{
    std::vector<QString> sent;
    for (const QxVb& vb : pdu.Vbs) sent.push_back(vb.Oid);
    // The engine never calls back from inside AsyncRequest, so the handle is known by then.
    auto handle = std::make_shared<QxRequestHandle>(0);
    std::weak_ptr<int> alive = alive_;
    const int status = QxSnmpSession::Instance().AsyncRequest(
        target, type, pdu,
        [this, alive, handle, exchange, sent = std::move(sent), callback = std::move(callback)](
            int reason, const QxPdu& answer, const QxTarget& t) {
            if (alive.expired()) return;
            pending_.erase(*handle);
            OnAnswer(reason, answer, t, exchange, sent, callback);
        },
        handle.get());
    const MappedError mapped = MapSnmpError(status);
    if (mapped.code != 0) RaiseMapped(mapped);
    pending_.insert(*handle);
    ++Outstanding;
}

void QxSNMPRequest::PrepareWrite(const QString& selection, const QStringList* values)
{
    if (!selection.isEmpty()) {
        QxIntNumList chosen;
        chosen.Delimiter = ',';
        chosen.Parse(selection);
        for (int i = 0; i < Vars.GetCount(); ++i) {
            QxSNMPVar& v = Vars.Get(i);
            const int at = chosen.IndexOf(i);
            if (at < 0) {
                v.Access |= AccessExcluded;
                continue;
            }
            v.Access &= ~AccessExcluded;
            if (values && at < values->size()) v.Value = values->at(at);
        }
    }
    for (int i = 0; i < Vars.GetCount(); ++i) ApplyExpression(i, false);
}

// Builds the set PDU from the selection and values, then puts Vars back as they were:
// access codes, values and OIDs are never left changed by a write, whatever its outcome.
QxPdu QxSNMPRequest::BuildWrite(const QString& selection, const QStringList* values, QxTarget& target)
{
    QxSNMPVarList saved;
    saved.Assign(Vars);
    QxPdu pdu;
    try {
        PrepareWrite(selection, values);
        target = Target();
        pdu = BuildPdu(Mode::Set);
    } catch (...) {
        Vars.Assign(saved);
        throw;
    }
    Vars.Assign(saved);
    return pdu;
}

void QxSNMPRequest::WriteSync(const QString& selection, const QStringList* values)
{
    if (!Enabled) return;
    QxTarget target;
    const QxPdu pdu = BuildWrite(selection, values, target);
    QxPdu answer;
    const int status = QxSnmpSession::Instance().SyncRequest(target, PduType::Set, pdu, answer);
    const MappedError mapped = MapSnmpError(status != 0 ? status : answer.ErrorStatus);
    if (mapped.code != 0) RaiseMapped(mapped);
}

void QxSNMPRequest::WriteAsync(Callback callback, const QString& selection, const QStringList* values)
{
    if (!Enabled) return;
    QxTarget target;
    const QxPdu pdu = BuildWrite(selection, values, target);
    SendAsync(target, PduType::Set, pdu, Exchange::Write, std::move(callback));
}

void QxSNMPRequest::OnAnswer(int reason, const QxPdu& answer, const QxTarget& target, Exchange exchange,
                             const std::vector<QString>& sentOids, const Callback& callback)
{
    const bool readValues = exchange != Exchange::Write;
    if (reason == SnmpErr::SessionClosing) {
        --Outstanding;
        return;
    }
    MappedError mapped;
    if (reason == SnmpErr::Timeout)
        mapped = MapSnmpError(SnmpErr::Timeout);
    else if (reason == SnmpErr::AnswerReceived)
        mapped = MapSnmpError(answer.ErrorStatus);
    else
        mapped = MapSnmpError(reason);  // the engine refused the answer (unknown user, wrong digest...)

    QxSNMPError error;
    error.Code = mapped.code;
    error.Message = mapped.message;
    error.ErrorIndex = answer.ErrorIndex;
    error.Agent = target.Device;
    error.Done = true;
    const bool table = Vars.IsTable();
    // noSuchName ends a walk (SNMPv1); to a set it is a refusal like any other error.
    if (readValues && (mapped.code == 0 || (mapped.code == PduErr::NoSuchName && table))) {
        try {
            switch (ProcessAnswer(mapped.code, answer, sentOids)) {
            case Outcome::Row: error.Done = false; break;
            case Outcome::NoRow: break;
            case Outcome::ColumnPassedEnd:
                // The walk goes on with the other columns; the answer to that exchange calls back.
                if (Enabled) {
                    SendRead(callback, exchange == Exchange::ReadFirst);
                    --Outstanding;
                    return;
                }
                [[fallthrough]];  // stopped meanwhile: the walk ends with the rows read
            case Outcome::EndOfMib: {
                const MappedError ok = MapSnmpError(0);
                error.Code = ok.code;
                error.Message = ok.message;
                break;
            }
            case Outcome::Error: break;
            }
        } catch (const AppException& e) {
            // A row that cannot be decoded ends the exchange with its error; nothing may escape
            // into the engine's dispatch.
            error.Code = e.code();
            error.Message = e.message();
            error.Done = true;
        }
    }

    std::weak_ptr<int> alive = alive_;
    ++inCallback_;
    try {
        if (callback) callback(error, Vars);
    } catch (...) {
        // Called from the event pump: nothing may unwind through the engine.
        ReportCurrentException();
    }
    if (alive.expired()) return;  // the callback destroyed this request
    --inCallback_;
    --Outstanding;
}

void QxSNMPRequest::DecodeInstance(const QString& suffix)
{
    QString rest = suffix;
    for (int i = 0; i < Vars.IndexCount && i < Vars.GetCount(); ++i) {
        if (rest.isEmpty()) RaiseLibraryError(LibErr::KeyCount);
        if (!Vars.IsRequested(i)) Vars.Get(i).CurrentOid = ColumnBase(i) + QLatin1Char('.') + suffix;
        rest = DecodeIndex(i, rest);
    }
}

QString QxSNMPRequest::InstanceSuffix()
{
    QString suffix;
    for (int i = 0; i < Vars.IndexCount && i < Vars.GetCount(); ++i) {
        const QString piece = EncodeIndex(i);
        if (!suffix.isEmpty()) suffix += QLatin1Char('.');
        suffix += piece;
    }
    return suffix;
}

QString QxSNMPRequest::DecodeIndex(int i, const QString& suffix)
{
    return IndexToText(Vars.Get(i), suffix, i + 1 == Vars.IndexCount);
}

QString QxSNMPRequest::EncodeIndex(int i)
{
    return TextToIndex(Vars.Get(i), i + 1 == Vars.IndexCount);
}

void QxSNMPRequest::DecodeValue(int i, const QxVb& vb)
{
    VbToText(Vars.Get(i), vb);
}

void QxSNMPRequest::EncodeValue(int i, QxVb& vb)
{
    TextToVb(Vars.Get(i), vb);
}

bool QxSNMPRequest::IsEndOfColumn(const QString& prefix, const QString& previous, const QString& response)
{
    if (!Vars.IsTable()) return false;
    // The response must continue the prefix at a sub-identifier boundary: column 1 ends where
    // column 10 begins, although "...1.10.1" starts with the text "...1.1".
    const bool inColumn = response.size() > prefix.size() + 1 && response.startsWith(prefix) &&
                          response[prefix.size()] == QLatin1Char('.') && response != previous;
    return !inColumn;
}

QString QxSNMPRequest::SubstituteValues(const QString& text, bool quote, const QString& marker)
{
    QString out;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype at = text.indexOf(marker, pos);
        if (at < 0 || marker.isEmpty()) {
            out += text.mid(pos);
            break;
        }
        out += text.mid(pos, at - pos);
        qsizetype end = at + marker.size();
        while (end < text.size() && text[end].isDigit()) ++end;
        bool ok = false;
        const int i = text.mid(at + marker.size(), end - at - marker.size()).toInt(&ok);
        if (ok && i >= 0 && i < Vars.GetCount()) {
            const QString& value = Vars.Get(i).Value;
            out += quote ? QLatin1Char('"') + value + QLatin1Char('"') : value;
        } else {
            out += text.mid(at, end - at);
        }
        pos = end;
    }
    return out;
}

void QxSNMPRequest::ApplyExpression(int i, bool afterRead)
{
    QxSNMPVar& v = Vars.Get(i);
    const std::optional<QString>& expression = afterRead ? v.ReadExpression : v.WriteExpression;
    if (!expression) return;
    const long double number = EvaluateArithmetic(SubstituteValues(*expression, false, QStringLiteral("$")));
    switch (v.Type) {
    case VarType::Double: v.Value = DoubleText(static_cast<double>(number)); break;
    case VarType::BcDateTime: v.Value = DaysSince1899Text(static_cast<double>(number)); break;
    case VarType::Counter64: v.Value = QString::number(static_cast<qulonglong>(std::llround(number))); break;
    default: v.Value = QString::number(static_cast<qlonglong>(std::llround(number))); break;
    }
}

bool QxSNMPRequest::EvaluateFilter(const QString& condition)
{
    if (condition.isEmpty()) return true;
    return EvaluateCondition(SubstituteValues(condition, true, QStringLiteral("$")));
}
