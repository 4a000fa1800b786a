// Start-up of the process-wide session: net-snmp, the local SNMPv3 identity and its boot
// counter, the default agent profile and the event pump.

#include "agent_address.h"
#include "bootcounter.h"
#include "errors.h"
#include "netsnmp_library.h"
#include "session.h"

namespace {

const QByteArray kLocalEngineId = QByteArrayLiteral("QxSNMP_PP_Application");
const QString kBootCounterFile = QStringLiteral("QxSNMP_PP_BootCounter");

bool& SessionCreated()
{
    static bool created = false;
    return created;
}

}  // namespace

QString BootCounterPath(const QString& directory)
{
    if (directory.isEmpty()) return kBootCounterFile;
    if (directory.endsWith(u'/')) return directory + kBootCounterFile;
    return directory + u'/' + kBootCounterFile;
}

bool SessionExists()
{
    return SessionCreated();
}

void CreateSession(const QString& directory)
{
    if (!NetSnmpLibrary::Initialise()) RaiseLibraryError(LibErr::SessionCreate);
    SessionCreated() = true;

    const QString path = BootCounterPath(directory);
    uint32_t boots = 0;
    if (BootCounter::Load(path, kLocalEngineId, boots) < BootCounter::NoFile)
        RaiseLibraryError(LibErr::BootCounterLoad);

    const uint32_t nextBoots = boots < BootCounter::kMaxBoots ? boots + 1 : BootCounter::kMaxBoots;
    if (BootCounter::Save(path, kLocalEngineId, nextBoots) != 0) RaiseLibraryError(LibErr::BootCounterSave);

    NetSnmpLibrary::SetLocalEngine(kLocalEngineId, nextBoots);
    DefaultProfile() = QxSNMPProfile{};
    ResolveAgentAddress(DefaultProfile().Device.Address);
    SnmpEventProcessor::Instance().Start();
}
