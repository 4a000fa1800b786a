pkg_check_modules(NETSNMP REQUIRED IMPORTED_TARGET netsnmp)
add_library(ksw_netsnmp INTERFACE)
target_link_libraries(ksw_netsnmp INTERFACE PkgConfig::NETSNMP)
# The agent side: the agent library and the base library. Of snmpd's own MIB modules only the
# SNMPv3 ones (USM and VACM) are started, by name; the MIB library is linked for them alone, the
# others would serve this host's own state.
find_library(NETSNMP_AGENT_LIBRARY NAMES netsnmpagent REQUIRED)
find_library(NETSNMP_MIBS_LIBRARY NAMES netsnmpmibs REQUIRED)
add_library(ksw_netsnmp_agent INTERFACE)
target_link_libraries(ksw_netsnmp_agent INTERFACE ${NETSNMP_MIBS_LIBRARY} ${NETSNMP_AGENT_LIBRARY} PkgConfig::NETSNMP)
