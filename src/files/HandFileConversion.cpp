#include "files/HandFileConversion.h"

namespace corvane {

HandFileConversion ConvertToHandFile(DealFileFormat format, const std::string&,
                                     const std::vector<std::string>&) {
    static constexpr const char* names[] = {"PBN", "LIN", "CBF"};
    HandFileConversion result;
    result.Messages.push_back(std::string(".") + names[static_cast<int>(format)] +
                              " files are not yet readable.");
    return result;
}

}  // namespace corvane
