#pragma once
// Reads and writes the objects of one variable list on the agent of its profile, waiting for
// the answer or reporting through a callback from the event pump. Tables are walked one row per
// exchange, column-parallel, and each row's index values are decoded from its instance suffix.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <set>

#include "errors.h"
#include "profile.h"
#include "session.h"
#include "vardesc.h"

class QxSNMPRequest {
public:
    // Called from the event pump after each asynchronous exchange.
    using Callback = std::function<void(const QxSNMPError& error, QxSNMPVarList& vars)>;

    QxSNMPRequest();
    virtual ~QxSNMPRequest();
    QxSNMPRequest(const QxSNMPRequest&) = delete;
    QxSNMPRequest& operator=(const QxSNMPRequest&) = delete;

    // One get (scalar group, single instance) or get-next (table) exchange. True when a table
    // row was read and more may follow.
    bool ReadSync(bool first);
    void ReadAsync(Callback callback, bool first);
    // One set exchange. 'selection' lists descriptor positions ("0,2,5"; empty for all);
    // 'values', when given, holds the new value of each selected descriptor in selection order.
    void WriteSync(const QString& selection = QString(), const QStringList* values = nullptr);
    void WriteAsync(Callback callback, const QString& selection = QString(), const QStringList* values = nullptr);

    // Overridable steps of the engine.
    virtual QString SubstituteValues(const QString& text, bool quote, const QString& marker);
    virtual QString DecodeIndex(int i, const QString& suffix);
    virtual QString EncodeIndex(int i);
    virtual void DecodeValue(int i, const QxVb& vb);
    virtual void EncodeValue(int i, QxVb& vb);
    virtual void ApplyExpression(int i, bool afterRead);
    virtual bool EvaluateFilter(const QString& condition);
    virtual bool IsEndOfColumn(const QString& prefix, const QString& previous, const QString& response);

    // Detaches every exchange in flight without waiting: their answers, if they come, are
    // dropped. For owners that can no longer use them (a window that is gone).
    void CancelOutstanding();

    void DecodeInstance(const QString& suffix);
    QString InstanceSuffix();
    // Base OID of descriptor i: its Oid, followed by the list's Instance when there is one.
    QString ColumnBase(int i) const;

    int32_t Timeout;
    int32_t Retries = 1;
    QxSNMPDevice Device;
    QxSNMPScope Scope;
    QxSNMPSecurity Security;
    QxSNMPVarList Vars;
    QString FilterExpression;
    bool Enabled = true;
    int32_t Outstanding = 0;

private:
    enum class Mode { First, Continue, Set };
    // ColumnPassedEnd: an SNMPv1 agent said one column has nothing further (noSuchName at its
    // error index); the same exchange goes again without it.
    enum class Outcome { Row, NoRow, EndOfMib, ColumnPassedEnd, Error };
    enum class Exchange { Write, ReadFirst, ReadNext };

    QxPdu BuildPdu(Mode mode);
    QxTarget Target() const;
    QxSNMPProfile Profile() const;
    Outcome ProcessAnswer(int code, const QxPdu& answer, const std::vector<QString>& sentOids);
    Outcome EndColumnAtErrorIndex(const QxPdu& answer, const std::vector<QString>& sentOids);
    void PrepareWrite(const QString& selection, const QStringList* values);
    QxPdu BuildWrite(const QString& selection, const QStringList* values, QxTarget& target);
    void SendRead(Callback callback, bool first);
    void SendAsync(const QxTarget& target, PduType type, const QxPdu& pdu, Exchange exchange, Callback callback);
    void OnAnswer(int reason, const QxPdu& answer, const QxTarget& target, Exchange exchange,
                  const std::vector<QString>& sentOids, const Callback& callback);

    // Columns of the current walk that an SNMPv1 agent said have nothing further: no longer
    // asked for, "(NOTDONE)" in every later row.
    std::set<int> passedEnd_;
    // Exchanges sent and not answered, so that the destructor can detach them.
    std::set<QxRequestHandle> pending_;
    // Exchanges whose callback is running right now; they cannot complete while we wait.
    int inCallback_ = 0;
    // Expires with the request, so that a callback that destroys it is noticed afterwards.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
