#pragma once
// Reads a XIF device interface file (docs/xif.md) into a program description whose values are
// canonical texts of their types. Any fault fails the whole file with a platform::Error whose
// description names the file and the line: "MBX-440_8.xif:42: unknown value type ...".

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/netdb/config_property.h"

namespace netdb {

struct XifBlock {
    int position = 0;
    std::string name;
    int profileKey = 0;
};

struct XifNv {
    int index = 0;
    std::string name;
    bool output = false;
    std::string type;
    int block = 0;
    std::string value;  // canonical; the type's default when the file gives none
};

struct XifCp {
    CpOwner owner = CpOwner::Device;
    int ownerRef = 0;
    int scope = 0;
    int typeIndex = 0;
    std::string name;
    std::string type;
    int elements = 1;
    std::string value;  // canonical
};

struct XifProgram {
    std::string programId;
    std::string model;
    std::vector<XifBlock> blocks;  // in position order
    std::vector<XifNv> nvs;
    std::vector<XifCp> cps;
};

XifProgram parseXifFile(const std::filesystem::path& file);
// `fileName` is the name errors carry.
XifProgram parseXif(std::string_view text, const std::string& fileName);

}  // namespace netdb
