#include "netsnmp_library.h"

#include <QDir>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

Q_LOGGING_CATEGORY(lcNetSnmp, "ksw.snmp")

namespace NetSnmpLibrary {
namespace {

constexpr const char* kAppType = "ksw7100";

int ForwardLogMessage(int, int, void* serverArgument, void*)
{
    const auto* message = static_cast<const snmp_log_message*>(serverArgument);
    if (!message || !message->msg) return 0;
    const QByteArray text = QByteArray(message->msg).trimmed();
    if (message->priority <= LOG_WARNING)
        qCWarning(lcNetSnmp, "%s", text.constData());
    else
        qCDebug(lcNetSnmp, "%s", text.constData());
    return 0;
}

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment()
    {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// The user with an empty name and no engine ID that carries engine ID discovery probes
// (RFC 3414, 4): reports to a probe are accepted only through it.
void AddDiscoveryUser()
{
    if (usm_get_user(nullptr, 0, "")) return;
    struct usmUser* user = usm_create_user();
    if (!user) return;
    user->name = strdup("");
    user->secName = strdup("");
    user->userStorageType = ST_READONLY;
    usm_add_user(user);
}

bool InitialiseOnce()
{
    // Lives until the process ends; its destructor removes the directory.
    static std::unique_ptr<QTemporaryDir> privateDir;
    privateDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/ksw-netsnmp-XXXXXX"));
    if (!privateDir->isValid()) return false;
    const QDir root(privateDir->path());
    // Made here so that net-snmp has nothing to create (and announce) itself.
    if (!root.mkpath(QStringLiteral("persist/cert_indexes")) || !root.mkpath(QStringLiteral("mibs")))
        return false;
    const QByteArray persistDir = QFile::encodeName(root.filePath(QStringLiteral("persist")));
    const QByteArray mibDir = QFile::encodeName(root.filePath(QStringLiteral("mibs")));

    snmp_enable_calllog();
    snmp_register_callback(SNMP_CALLBACK_LIBRARY, SNMP_CALLBACK_LOGGING, ForwardLogMessage, nullptr);

    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, persistDir.constData());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    // Time-outs are driven by the event pump; net-snmp must not install a SIGALRM handler.
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_ALARM_DONT_USE_SIG, 1);
    netsnmp_set_mib_directory(mibDir.constData());
    {
        // An empty module list: nothing to find, so no "Cannot find module" warnings.
        const ScopedEnvironment noModules("MIBS", "");
        init_snmp(kAppType);
    }
    AddDiscoveryUser();
    return true;
}

}  // namespace

bool Initialise()
{
    static const bool initialised = InitialiseOnce();
    return initialised;
}

void SetLocalEngine(const QByteArray& engineId, uint32_t boots)
{
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.constData()), static_cast<size_t>(engineId.size()));
    // The token handler stores the value it reads plus one (a boot is being made).
    std::string previous = std::to_string(boots > 0 ? boots - 1 : 0);
    engineBoots_conf("engineBoots", previous.data());
}

QByteArray LocalEngineId()
{
    u_char buffer[SNMP_MAXBUF_SMALL];
    const size_t length = snmpv3_get_engineID(buffer, sizeof(buffer));
    return QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(length));
}

uint32_t LocalEngineBoots()
{
    return static_cast<uint32_t>(snmpv3_local_snmpEngineBoots());
}

}  // namespace NetSnmpLibrary
