#pragma once
// The registry and file parts of start-up that come before the command line.

#include <QString>
#include <span>

#include "snmp/errors.h"
#include "startup_settings.h"

// A menu item whose visibility start-up decides, named by its caption.
struct MenuVisibility {
    const char* caption;
    bool visible;
};

// Opens the module's HelpPath key, creating it when it is missing. When it opens, sets
// CatalogueBase (the value without its last 12 characters, empty when that leaves nothing)
// and returns the menu items to show or hide; when it cannot be opened or created, changes
// nothing and returns an empty list.
std::span<const MenuVisibility> ReadModuleRegistry(StartupSettings& settings);

struct CatalogueFile {
    Catalogue catalogue;
    const char* relativeName;
};

// The catalogue files in loading order, relative to CatalogueBase.
std::span<const CatalogueFile> CatalogueFiles();

// Loads every catalogue from catalogueBase + its relative name; a missing file keeps the
// built-in texts.
void LoadMessageCatalogues(const QString& catalogueBase);

// The platform's ExePath "Path" + "../Conf/MBF/", or, when the MibFile key exists, its "Path"
// as it stands.
QString ReadConfigDirectory();
