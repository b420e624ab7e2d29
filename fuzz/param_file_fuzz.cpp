// The parameter file reader on arbitrary bytes: the tables keep their lengths, and what was
// read, written and read again into fresh tables is the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "params/param_doc.h"

using namespace varno;

namespace {

std::vector<std::uint8_t> Written(const CParamList& list) {
    CMemWriteArchive ar;
    list.WriteParamFile(ar);
    return ar.TakeData();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CParamDoc doc;
    doc.Tables().ReadParamFile(std::span(data, size));
    if (doc.Tables().Find("C")->Length() != 100 || doc.Tables().Find("D")->Length() != 1000 ||
        doc.Tables().Find("T")->Length() != 200) {
        std::abort();
    }
    const std::vector<std::uint8_t> file = Written(doc.Tables());
    if (file.size() != 2056) {
        std::abort();
    }
    CParamDoc fresh;
    if (!fresh.Tables().ReadParamFile(file) || Written(fresh.Tables()) != file) {
        std::abort();
    }
    return 0;
}
