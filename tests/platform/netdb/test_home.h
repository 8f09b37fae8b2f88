#pragma once
// A temporary platform home for tests: $QBX_HOME points at a fresh folder with the registry
// (platform folder, decimal separator), the platform folder with the XIF files of the source
// tree's data folder, and an open network database service. Removed again at the end.

#include <filesystem>
#include <memory>
#include <string>

#include "platform/netdb/netdb.h"

namespace netdb::testing {

class TestHome {
  public:
    // `decimalSeparator` is written to the user hive like `qbx init --decimal-separator`.
    explicit TestHome(const std::string& decimalSeparator = ",");
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const std::filesystem::path& path() const { return home_; }
    std::filesystem::path platformFolder() const;
    ObjectServer& server() { return *server_; }

    // The network of that name, created when missing, opened; and its (first) system, opened.
    std::shared_ptr<Network> network(const std::string& name);
    std::shared_ptr<System> system(const std::string& network);

    // A device in a subsystem (created when missing) from a template made of a XIF file.
    std::shared_ptr<AppDevice> addDevice(const std::string& network, const std::string& subsystem,
                                         const std::string& device,
                                         const std::filesystem::path& xif);
    // A device of an MBX-440 variant (8, 9 or 13), from the installed XIF file.
    std::shared_ptr<AppDevice> addVariantDevice(const std::string& network,
                                                const std::string& subsystem,
                                                const std::string& device, int variant);

    // Writes a file below the home and returns its path.
    std::filesystem::path writeFile(const std::string& relative, const std::string& text) const;

    // The small fixture XIF of the tests (a node object and two channels).
    static std::filesystem::path miniXif();
    // True when the source tree carries the real XIF file of a variant.
    static bool hasRealXif(int variant);

  private:
    std::filesystem::path home_;
    std::string oldHome_;
    bool hadHome_ = false;
    std::unique_ptr<ObjectServer> server_;
};

}  // namespace netdb::testing
