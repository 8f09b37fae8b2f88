#include "model/build_catalogue.h"

#include "platform/core/steps.h"

namespace model {

void BuildCatalogue(Catalogue& catalogue, const CatalogueReads& reads) {
    std::string programId;
    platform::ignoreStep([&] { programId = reads.programId(); });
    fillCatalogueConstants(catalogue, programId);

    for (int row = 0; row < catalogue.NviCount; ++row) {
        ParamEntry& e = catalogue.NviTable[row];
        platform::ignoreStep([&] { e.NviValue = reads.nvValue(e.NviIndex); });
    }
    for (int row = 0; row < catalogue.NvoCount; ++row) {
        ParamEntry& e = catalogue.NvoTable[row];
        platform::ignoreStep([&] { e.NvoValue = reads.nvValue(e.NvoIndex); });
    }
}

}  // namespace model
