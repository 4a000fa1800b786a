#pragma once
// The registry keys and value names the module reads: its own installation, the management
// platform's, and Norvane Console's.

namespace ksw::app::registry_keys {

// The value is the full name of a file in the module's installation directory; without its
// last 12 characters it is the prefix of the message catalogues.
inline constexpr char kHelpPath[] = R"(\SOFTWARE\Quorix\Modules\HelpPath)";
inline constexpr char kHelpPathValue[] = "1.3.6.1.4.1.58126.10.101.2";  // the family's sysObjectID

inline constexpr char kPlatformExePath[] = R"(\SOFTWARE\Quorix\Vantrix5.1\ExePath)";
inline constexpr char kPlatformMibFile[] = R"(\SOFTWARE\Quorix\Vantrix5.1\MibFile)";
inline constexpr char kPathValue[] = "Path";

inline constexpr char kPlatform51AppPath[] = R"(\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\vantrix51.exe)";
inline constexpr char kPlatform5AppPath[] = R"(\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\vantrix5.exe)";

inline constexpr char kNorvaneConsole[] = R"(\SOFTWARE\Norvane\Console)";
inline constexpr char kNorvanePathValue[] = "NC_PATH";

}  // namespace ksw::app::registry_keys
