#pragma once
// A private installation for start-up tests: its own registry file (KSW_REGISTRY), platform
// directories and device configuration files in a temporary directory.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <initializer_list>
#include <utility>

class StartupFixture {
public:
    StartupFixture()
    {
        QDir(root()).mkpath("bin");
        QDir(root()).mkpath("Conf/MBF");
        QDir(root()).mkpath("install");
        qputenv("KSW_REGISTRY", registryFile().toUtf8());
    }
    ~StartupFixture() { qunsetenv("KSW_REGISTRY"); }

    bool isValid() const { return dir_.isValid(); }
    QString root() const { return dir_.path(); }
    QString registryFile() const { return dir_.filePath("registry.ini"); }
    QString configDirectory() const { return root() + "/bin/../Conf/MBF/"; }

    // The usual installation: the module's key and the platform's program directory.
    void writeStandardRegistry() const
    {
        writeRegistry("[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n"
                      "1.3.6.1.4.1.58126.10.101.2=" + root() + "/install/KSW-7116.EXE\n"
                      "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\n"
                      "Path=" + root() + "/bin/\n");
    }

    void writeRegistry(const QString& text) const { WriteFile(registryFile(), text.toUtf8()); }

    void writeConfigFile(const QString& agent, const QString& programInformation) const
    {
        WriteFile(root() + "/Conf/MBF/" + agent + ".cfg", "[Program Information]\n" + programInformation.toUtf8());
    }

    static void WriteFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
        file.write(bytes);
    }

private:
    QTemporaryDir dir_;
};

// The keys of a device configuration file as the platform writes them, with some replaced
// (a null value leaves the key out).
inline QString ConfigKeys(std::initializer_list<std::pair<const char*, const char*>> changes)
{
    QList<std::pair<QString, QString>> keys{
        {"AgentPort", "161"},     {"Version", "0"},      {"ContextName", ""},  {"ContextEngineID", ""},
        {"SecurityModel", "1"},   {"SecurityLevel", "0"}, {"SecurityName", ""}, {"AuthProtocol", "0"},
        {"PrivProtocol", "0"},    {"AuthPassword", ""},  {"PrivPassword", ""},
    };
    QString text;
    for (auto& [key, value] : keys) {
        const char* change = nullptr;
        bool changed = false;
        for (const auto& [name, newValue] : changes)
            if (key == QLatin1String(name)) {
                changed = true;
                change = newValue;
            }
        if (changed && !change) continue;
        text += key + '=' + (changed ? QString::fromUtf8(change) : value) + '\n';
    }
    return text;
}
