pkg_check_modules(NETSNMP REQUIRED IMPORTED_TARGET netsnmp)
add_library(ksw_netsnmp INTERFACE)
target_link_libraries(ksw_netsnmp INTERFACE PkgConfig::NETSNMP)
# The agent side: only the agent library and the base library, never snmpd's own MIB modules.
find_library(NETSNMP_AGENT_LIBRARY NAMES netsnmpagent REQUIRED)
add_library(ksw_netsnmp_agent INTERFACE)
target_link_libraries(ksw_netsnmp_agent INTERFACE ${NETSNMP_AGENT_LIBRARY} PkgConfig::NETSNMP)
