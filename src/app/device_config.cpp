#include "device_config.h"

#include <QFileInfo>
#include <climits>

#include "qx_ini.h"
#include "strict_int.h"

namespace {

class ConfigReader {
public:
    explicit ConfigReader(const QString& path) : ini_(path) {}

    QString Text(const char* key) const
    {
        return ini_.ReadString(QString::fromLatin1(kDeviceConfigSection), QString::fromLatin1(key), QString());
    }

    int Number(const char* key, const QString& text, int minimum = INT_MIN, int maximum = INT_MAX) const
    {
        const QString where = QStringLiteral("for \"%1\" in %2").arg(QLatin1String(key), ini_.FileName());
        return StrictToIntIn(text, minimum, maximum, where);
    }

    // Keys counted from 0 in the file, where "0" means "keep the library default".
    bool ZeroBased(const char* key, QString& text, qint32& field) const
    {
        const QString read = Text(key);
        if (read == u'0') return false;
        const int code = Number(key, read, INT_MIN, INT_MAX - 1) + 1;
        field = code;
        text = QString::number(code);
        return true;
    }

private:
    QxIni ini_;
};

}  // namespace

QString DeviceConfigPath(const StartupSettings& settings)
{
    return settings.ConfigDirectory + settings.AgentAddressText + QStringLiteral(".cfg");
}

void ReadDeviceConfigFile(StartupSettings& s, QxSNMPProfile& profile)
{
    const QString path = DeviceConfigPath(s);
    s.ConfigFileFound = QFileInfo(path).isFile();
    if (!s.ConfigFileFound) return;

    const ConfigReader file(path);
    QxSNMPSecurity& security = profile.Security;

    const QString port = file.Text("AgentPort");
    profile.Device.Port = static_cast<quint16>(file.Number("AgentPort", port, 0, 65535));
    s.PortText = port;

    s.VersionText = file.Text("Version");
    security.Version = static_cast<quint8>(file.Number("Version", file.Text("Version"), 0, 255));

    if (const QString name = file.Text("ContextName"); !name.isEmpty()) {
        profile.Scope.ContextName = name;
        s.ContextNameText = name;
        s.ContextNameGiven = true;
    }

    s.ContextEngineIdText = file.Text("ContextEngineID");
    profile.Scope.ContextEngineId = s.ContextEngineIdText;

    const QString model = file.Text("SecurityModel");
    security.SecurityModel = file.Number("SecurityModel", model);
    s.SecurityModelText = model;

    if (file.ZeroBased("SecurityLevel", s.SecurityLevelText, security.SecurityLevel)) s.SecurityLevelGiven = true;

    s.SecurityNameText = file.Text("SecurityName");
    security.SecurityName = s.SecurityNameText;

    if (file.ZeroBased("AuthProtocol", s.AuthProtocolText, security.AuthProtocol)) s.AuthProtocolGiven = true;
    if (file.ZeroBased("PrivProtocol", s.PrivProtocolText, security.PrivProtocol)) s.PrivProtocolGiven = true;

    if (const QString password = file.Text("AuthPassword"); !password.isEmpty()) {
        security.AuthPassword = password;
        s.AuthPasswordText = password;
        s.AuthPasswordGiven = true;
    }
    if (const QString password = file.Text("PrivPassword"); !password.isEmpty()) {
        security.PrivPassword = password;
        s.PrivPasswordText = password;
        s.PrivPasswordGiven = true;
    }
}
