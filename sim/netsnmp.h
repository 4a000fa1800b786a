#pragma once
// net-snmp's agent headers, in the order they need, plus the few agent functions and globals
// the headers do not declare. Only the agent glue includes this.

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

extern "C" {
void init_vacm_conf(void);
void init_vacm_config_tokens(void);
// The SNMPv3 MIB modules of net-snmp's MIB library (usmStats, usmUserTable, the VACM tables):
// served by the library, they show and change the very users and access rules the agent
// checks requests against.
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
void init_vacm_context(void);
// The agent's first listening session (snmp_agent.c).
extern netsnmp_session* main_session;
}
