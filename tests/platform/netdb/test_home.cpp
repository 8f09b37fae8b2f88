#include "tests/platform/netdb/test_home.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "platform/core/paths.h"
#include "platform/netdb/platform_home.h"

namespace netdb::testing {
namespace fs = std::filesystem;

namespace {
fs::path sourceDir() { return QBX_TEST_SOURCE_DIR; }
}  // namespace

TestHome::TestHome(const std::string& decimalSeparator) {
    static std::atomic<int> counter{0};
    home_ = fs::temp_directory_path() /
            ("qbx_home_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(home_);
    if (const char* h = std::getenv("QBX_HOME")) {
        hadHome_ = true;
        oldHome_ = h;
    }
    ::setenv("QBX_HOME", home_.c_str(), 1);
    HomeOptions options;
    options.decimalSeparator = decimalSeparator;
    options.dataDirs = {sourceDir() / "data"};
    initPlatformHome(home_, options);
    server_ = std::make_unique<ObjectServer>(home_);
    server_->Open();
}

TestHome::~TestHome() {
    server_.reset();
    std::error_code ec;
    fs::remove_all(home_, ec);
    if (hadHome_)
        ::setenv("QBX_HOME", oldHome_.c_str(), 1);
    else
        ::unsetenv("QBX_HOME");
}

fs::path TestHome::platformFolder() const { return netdb::platformFolder(home_); }

std::shared_ptr<Network> TestHome::network(const std::string& name) {
    auto nets = server_->Networks();
    auto net = nets.find(name);
    if (!net) net = nets.Add(name);
    if (!net->IsOpen()) net->Open();
    return net;
}

std::shared_ptr<System> TestHome::system(const std::string& networkName) {
    auto sys = network(networkName)->Systems().Item(1);
    if (!sys->IsOpen()) sys->Open();
    return sys;
}

namespace {
std::shared_ptr<Subsystem> subsystemOf(System& sys, const std::string& name) {
    auto subs = sys.Subsystems();
    auto sub = subs.find(name);
    return sub ? sub : subs.Add(name);
}
}  // namespace

std::shared_ptr<AppDevice> TestHome::addDevice(const std::string& networkName,
                                               const std::string& subsystem,
                                               const std::string& device, const fs::path& xif) {
    auto sys = system(networkName);
    auto templates = sys->TemplateLibrary().deviceTemplates();
    std::string name = xif.stem().string();
    auto tmpl = templates.find(name);
    if (!tmpl) {
        tmpl = templates.Add(name, 1);
        tmpl->Import(xif);
    }
    return subsystemOf(*sys, subsystem)->AppDevices().Add(device, tmpl);
}

std::shared_ptr<AppDevice> TestHome::addVariantDevice(const std::string& networkName,
                                                      const std::string& subsystem,
                                                      const std::string& device, int variant) {
    auto sys = system(networkName);
    const XifVariant* v = xifVariant(variant);
    if (!v)
        throw platform::Error(platform::errc::kNotFound, "test",
                              "No variant " + std::to_string(variant));
    auto tmpl = variantTemplate(*sys, home_, *v);
    return subsystemOf(*sys, subsystem)->AppDevices().Add(device, tmpl);
}

fs::path TestHome::writeFile(const std::string& relative, const std::string& text) const {
    fs::path p = home_ / relative;
    fs::create_directories(p.parent_path());
    platform::writeFileAtomically(p, text);
    return p;
}

fs::path TestHome::miniXif() { return sourceDir() / "tests/platform/netdb/data/mini.xif"; }

bool TestHome::hasRealXif(int variant) {
    const XifVariant* v = xifVariant(variant);
    return v && fs::exists(sourceDir() / "data/xif" / platform::toNativePath(v->importPath));
}

}  // namespace netdb::testing
