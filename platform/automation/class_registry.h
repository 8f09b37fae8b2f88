#pragma once
// The class registry: which executable (local server) or shared library (in-process server)
// provides an automation class, kept in the machine hive under "SOFTWARE\Classes\<ProgID>".

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace automation {

inline constexpr std::string_view kClassesKey = "SOFTWARE\\Classes";
inline constexpr std::string_view kLocalServerValue = "LocalServer";
inline constexpr std::string_view kInprocServerValue = "InprocServer";

struct ClassEntry {
    std::string localServer;   // absolute path of the executable, or empty
    std::string inprocServer;  // absolute path of the shared library, or empty
};

// Throws platform::Error when progId is not a usable class identifier (it names a socket file,
// so only letters, digits, '_', '-' and '.' are allowed).
void checkProgId(std::string_view progId);

void registerLocalServer(std::string_view progId, const std::filesystem::path& exePath);
void registerInprocServer(std::string_view progId, const std::filesystem::path& libraryPath);
// Removes the class entry; false when the class was not registered.
bool unregisterServer(std::string_view progId);
std::optional<ClassEntry> lookupClass(std::string_view progId);

// The running executable's absolute path.
std::filesystem::path currentExecutable();

// For an executable's main: with "/regserver" among the arguments registers each class with
// this executable as its local server, with "/unregserver" removes them, and returns the exit
// code (0 on success); returns nothing when neither argument is present.
std::optional<int> handleServerRegistration(int argc, const char* const* argv,
                                            const std::vector<std::string>& progIds);

// True when the component system started the executable to serve objects ("--automation").
bool startedForAutomation(int argc, const char* const* argv);

// Argument given to an executable that the component system starts.
inline constexpr std::string_view kAutomationArg = "--automation";

}  // namespace automation
