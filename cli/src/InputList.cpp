#include "InputList.h"

#include <fstream>
#include <istream>

namespace cli {

base::Result<std::vector<std::string>> ReadInputList(const std::string& path, bool nullSeparated,
                                                     std::istream& standardInput)
{
    std::ifstream file;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            return base::Failure { base::FailureKind::Input, "--files-from: cannot read " + path };
        }
    }
    std::istream& in = path == "-" ? standardInput : file;
    std::vector<std::string> names;
    for (std::string name; std::getline(in, name, nullSeparated ? '\0' : '\n');) {
        if (!nullSeparated && !name.empty() && name.back() == '\r') {
            name.pop_back();
        }
        if (!name.empty()) {
            names.push_back(std::move(name));
        }
    }
    if (in.bad()) {
        return base::Failure { base::FailureKind::Input, "--files-from: cannot read " + path };
    }
    return names;
}

} // namespace cli
