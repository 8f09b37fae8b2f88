#pragma once
// The device reads of building the catalogue, bound to a device of the network database
// service.

#include <memory>

#include "model/build_catalogue.h"

namespace netdb {
class AppDevice;
}

namespace model {

// Reads from `device`: the formatted value of the NV with an index from the device interface's
// NV list (taken once), and the device's program ID. A null device fails every read.
CatalogueReads catalogueReadsOf(const std::shared_ptr<netdb::AppDevice>& device);

// Builds the catalogue for `device` (the opened device).
void BuildCatalogue(Catalogue& catalogue, const std::shared_ptr<netdb::AppDevice>& device);

}  // namespace model
