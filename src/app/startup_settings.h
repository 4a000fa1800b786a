#pragma once
// What start-up learns about the agent besides the agent profile: the parameters as texts and
// flags, kept so that sibling modules receive the agent exactly as this module did.

#include <QString>

struct StartupSettings {
    // Texts kept by the main window; numeric ones hold the library's codes in decimal.
    QString PageCaption;  // the page being opened; set by the menu handlers, not at start-up
    QString AgentAddressText;
    QString ReadCommunityText;
    QString WriteCommunityText;
    QString PortText;
    QString VersionText;
    QString SecurityNameText;
    QString AuthPasswordText;
    QString PrivPasswordText;
    QString AuthProtocolText;
    QString PrivProtocolText;
    QString ContextEngineIdText;
    QString SecurityLevelText;
    QString ContextNameText;
    QString SecurityModelText;

    bool ConfigFileFound = false;
    bool ContextNameGiven = false;
    bool SecurityLevelGiven = false;
    bool AuthProtocolGiven = false;
    bool AuthPasswordGiven = false;
    bool PrivProtocolGiven = false;
    bool PrivPasswordGiven = false;

    QString DeviceAddress;    // the agent address for the captions of hand-built pages
    QString CatalogueBase;    // prefix of the message catalogue files
    QString ConfigDirectory;  // prefix of the device configuration files, as the registry gives it

    void ClearGivenFlags();
};

// The process-wide settings: start-up fills them once, pages and module launches read them.
StartupSettings& AppStartupSettings();
