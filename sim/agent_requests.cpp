// The MIB handler: get and get-next from the object store, and the phases of a set.

#include <algorithm>

#include "faults.h"
#include "options.h"
#include "request_log.h"
#include "state_file.h"
#include "switch_sim.h"
// Last: net-snmp's headers come with it.
#include "agent_impl.h"
#include "pdu_text.h"

namespace ksw::sim {

int Agent::Impl::handle(netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                        netsnmp_request_info* requests)
{
    sim.tick();
    switch (reqinfo->mode) {
    case MODE_GET: handleGet(reqinfo, requests); break;
    case MODE_GETNEXT: handleGetNext(reg, reqinfo, requests); break;
    case MODE_SET_RESERVE1:
    case MODE_SET_RESERVE2:
    case MODE_SET_ACTION:
    case MODE_SET_COMMIT:
    case MODE_SET_FREE:
    case MODE_SET_UNDO: handleSet(reqinfo, requests); break;
    default: break;
    }
    return SNMP_ERR_NOERROR;
}

void Agent::Impl::answer(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* request, const Oid& instance,
                         Value value)
{
    if (const PrefixFault* fault = faults.faultFor(instance)) {
        const netsnmp_pdu* pdu = reqinfo->asp ? reqinfo->asp->pdu : nullptr;
        const bool v1 = pdu && pdu->version == SNMP_VERSION_1;
        if (fault->kind == FaultKind::GenErr) {
            netsnmp_set_request_error(reqinfo, request, SNMP_ERR_GENERR);
            return;
        }
        // SNMPv1 has no exception values: its agents answer noSuchName instead.
        if (fault->kind == FaultKind::NoSuchName || (v1 && isExceptionFault(fault->kind))) {
            netsnmp_set_request_error(reqinfo, request, SNMP_ERR_NOSUCHNAME);
            return;
        }
        if (isExceptionFault(fault->kind)) {
            const int type = fault->kind == FaultKind::NoSuchObject     ? SNMP_NOSUCHOBJECT
                             : fault->kind == FaultKind::NoSuchInstance ? SNMP_NOSUCHINSTANCE
                                                                        : SNMP_ENDOFMIBVIEW;
            netsnmp_set_request_error(reqinfo, request, type);
            return;
        }
        value = Faults::distorted(*fault, value);
    }
    setVarbindValue(request->requestvb, value);
}

// The agent library takes endOfMibView from a get-next handler as "look further" and goes on
// with the next subtree, so a get-next that meets an endOfMibView fault is answered here: the
// varbinds that reach such an instance get endOfMibView with the name they asked for, the others
// the next instance as the handler would give it.
bool Agent::Impl::respondEndOfMibView(netsnmp_session* s, const netsnmp_pdu* request)
{
    if (request->command != SNMP_MSG_GETNEXT || request->version == SNMP_VERSION_1) return false;
    const ObjectStore& store = sim.store();
    const auto end = store.cells().end();
    auto faultAfter = [&](const netsnmp_variable_list* vb) {
        const auto it = store.next(oidFromArcs(vb->name, vb->name_length), false);
        const PrefixFault* fault = it == end ? nullptr : faults.faultFor(it->first);
        return fault && fault->kind == FaultKind::EndOfMibView;
    };
    bool any = false;
    for (const netsnmp_variable_list* vb = request->variables; vb && !any; vb = vb->next_variable) any = faultAfter(vb);
    if (!any) return false;

    sim.tick();
    netsnmp_pdu* response = snmp_clone_pdu(const_cast<netsnmp_pdu*>(request));
    if (!response) return false;
    response->command = SNMP_MSG_RESPONSE;
    response->errstat = SNMP_ERR_NOERROR;
    response->errindex = 0;
    for (netsnmp_variable_list* vb = response->variables; vb; vb = vb->next_variable) {
        const auto it = store.next(oidFromArcs(vb->name, vb->name_length), false);
        const PrefixFault* fault = it == end ? nullptr : faults.faultFor(it->first);
        if (it == end || (fault && fault->kind == FaultKind::EndOfMibView)) {
            snmp_set_var_typed_value(vb, SNMP_ENDOFMIBVIEW, nullptr, 0);
            continue;
        }
        const std::vector<oid> arcs(it->first.begin(), it->first.end());
        snmp_set_var_objid(vb, arcs.data(), arcs.size());
        Value value = store.read(it->first, it->second);
        if (fault) {
            if (fault->kind == FaultKind::GenErr || fault->kind == FaultKind::NoSuchName) {
                response->errstat = fault->kind == FaultKind::GenErr ? SNMP_ERR_GENERR : SNMP_ERR_NOSUCHNAME;
                break;
            }
            if (fault->kind == FaultKind::NoSuchObject || fault->kind == FaultKind::NoSuchInstance) {
                snmp_set_var_typed_value(
                    vb, fault->kind == FaultKind::NoSuchObject ? SNMP_NOSUCHOBJECT : SNMP_NOSUCHINSTANCE, nullptr, 0);
                continue;
            }
            value = Faults::distorted(*fault, value);
        }
        setVarbindValue(vb, value);
    }
    if (response->errstat != SNMP_ERR_NOERROR) {
        // An error answer carries the request's own varbinds, and the index of the first one.
        snmp_free_varbind(response->variables);
        response->variables = snmp_clone_varbind(request->variables);
        response->errindex = 1;
    }
    if (!snmp_send(s, response)) snmp_free_pdu(response);
    return true;
}

void Agent::Impl::handleGet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    const ObjectStore& store = sim.store();
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        if (r->processed) continue;
        const Oid instance = oidFromArcs(r->requestvb->name, r->requestvb->name_length);
        const Cell* cell = store.cell(instance);
        if (!cell) {
            netsnmp_set_request_error(reqinfo, r, store.objectFor(instance) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
            continue;
        }
        answer(reqinfo, r, instance, store.read(instance, *cell));
    }
}

void Agent::Impl::handleGetNext(netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                                netsnmp_request_info* requests)
{
    const ObjectStore& store = sim.store();
    const Oid root = oidFromArcs(reg->rootoid, reg->rootoid_len);
    // SNMPv1 has no Counter64: a v1 walk steps over those objects (RFC 3584, 4.2.2.1).
    const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
    for (netsnmp_request_info* r = requests; r; r = r->next) {
        if (r->processed) continue;
        const Oid from = oidFromArcs(r->requestvb->name, r->requestvb->name_length);
        auto it = from < root ? store.next(root, true) : store.next(from, r->inclusive != 0);
        const auto end = store.cells().end();
        while (it != end && v1 && it->second.def->syntax.type == Smi::Counter64) ++it;
        // Nothing left in this subtree: left unanswered, the agent goes on with the next one.
        if (it == end || !startsWith(it->first, root)) continue;
        const std::vector<oid> arcs(it->first.begin(), it->first.end());
        snmp_set_var_objid(r->requestvb, arcs.data(), arcs.size());
        answer(reqinfo, r, it->first, store.read(it->first, it->second));
    }
}

void Agent::Impl::saveStateFile(PendingSet& set)
{
    if (options.stateFile.empty()) return;
    std::string why;
    set.saved = true;
    if (!saveState(options.stateFile, sim.store(), sim.model().name, &why)) {
        set.saveFailed = true;
        std::fprintf(stderr, "ksw-sim: cannot save the state file %s: %s\n", options.stateFile.c_str(), why.c_str());
        if (log.isOpen()) log.write("state file not saved: " + why);
    }
}

void Agent::Impl::handleSet(netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    const void* agentSession = reqinfo->asp;
    const long requestId = reqinfo->asp && reqinfo->asp->pdu ? reqinfo->asp->pdu->reqid : 0;
    const bool current = pendingSet && pendingSet->agentSession == agentSession && pendingSet->requestId == requestId;
    auto setError = [reqinfo](netsnmp_request_info* r, ErrorStatus status) {
        if (status != ErrorStatus::NoError) netsnmp_set_request_error(reqinfo, r, static_cast<int>(status));
    };

    switch (reqinfo->mode) {
    case MODE_SET_RESERVE1:
        if (!current)
            pendingSet.emplace(PendingSet{agentSession, requestId, SetTransaction(sim.store(), &sim.behaviour())});
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            const Oid instance = oidFromArcs(r->requestvb->name, r->requestvb->name_length);
            // A refused varbind is never staged, so nothing of the set is applied.
            if (const PrefixFault* fault = faults.faultFor(instance)) {
                if (const int status = setErrorOf(fault->kind)) {
                    setError(r, static_cast<ErrorStatus>(status));
                    continue;
                }
            }
            const auto value = valueOfVarbind(r->requestvb);
            if (!value) {
                setError(r, ErrorStatus::WrongType);
                continue;
            }
            setError(r, pendingSet->transaction.stage(r->index, instance, *value));
        }
        break;
    case MODE_SET_RESERVE2:
        if (!current) break;
        if (!pendingSet->prepared) {
            pendingSet->transaction.prepare();
            pendingSet->prepared = true;
        }
        for (netsnmp_request_info* r = requests; r; r = r->next) setError(r, pendingSet->transaction.errorFor(r->index));
        break;
    case MODE_SET_ACTION:
        if (!current) break;
        if (!pendingSet->transaction.applied()) {
            pendingSet->transaction.apply();
            saveStateFile(*pendingSet);
        }
        // A state file that cannot be written fails the set, which is then undone.
        if (pendingSet->saveFailed && !pendingSet->failureReported && requests) {
            pendingSet->failureReported = true;
            setError(requests, ErrorStatus::CommitFailed);
        }
        break;
    case MODE_SET_UNDO:
        if (!current) break;
        pendingSet->transaction.undo();
        if (pendingSet->saved && !pendingSet->saveFailed) saveStateFile(*pendingSet);
        pendingSet.reset();
        break;
    case MODE_SET_COMMIT:
        // The switch acts on a set only once it is sure to stay; what it changes then is kept too.
        if (current && sim.behaviour().applied(pendingSet->transaction.appliedVarbinds()))
            saveStateFile(*pendingSet);
        if (current) pendingSet.reset();
        break;
    case MODE_SET_FREE:
        if (current) pendingSet.reset();
        break;
    default:
        break;
    }
}

}  // namespace ksw::sim
