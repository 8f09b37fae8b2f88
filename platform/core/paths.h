#pragma once
// File-system helpers at the platform boundary. Paths are written with "\" the way the
// platform's registry values and documents write them; they are converted here, once.

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// "C:\Fieldara\Import\Korvane\x.xif" -> "/…/Import/Korvane/x.xif": every "\" becomes "/", a
// drive prefix ("C:") is dropped, and repeated separators collapse. Forward slashes pass as they are.
std::string toNativePath(std::string_view platformPath);

// The platform home: $QBX_HOME, else ~/.local/share/qbx.
std::filesystem::path qbxHome();

// The user's documents folder: $XDG_DOCUMENTS_DIR, else ~/Documents.
std::filesystem::path documentsFolder();

// Replaces `path` atomically with `bytes`: writes a temporary file beside it, flushes and syncs
// it, renames it over the target and syncs the folder. On any failure the previous file is
// untouched and an Error naming the path and the reason is thrown.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Reads a whole file; throws an Error naming the path when it cannot be read.
std::string readFile(const std::filesystem::path& path);

}  // namespace platform
