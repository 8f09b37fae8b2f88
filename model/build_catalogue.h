#pragma once
// Building the catalogue for an opened device: the constants of every row plus the device's NV
// values. The device is reached only through the reads given here, which the caller binds to the
// network database service (the interface object of the device and its NV list).

#include <cstdint>
#include <functional>
#include <string>

#include "model/catalogue.h"

namespace model {

struct CatalogueReads {
    // The formatted value of the device's NV with this index; throws when there is none.
    std::function<std::string(int16_t nvIndex)> nvValue;
    // The device's program ID; throws when it cannot be read.
    std::function<std::string()> programId;
};

// Rewrites all rows. Each device read is one step whose failure is skipped silently: a row whose
// NV cannot be read keeps its previous value, and a program ID that cannot be read counts as a
// program without nvoLearnID. CpValue is never touched. An empty read function fails every step.
void BuildCatalogue(Catalogue& catalogue, const CatalogueReads& reads);

}  // namespace model
