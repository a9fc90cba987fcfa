#pragma once

#include <string>
#include <vector>

namespace platform {

// Every file below folder whose name ends in ".txt" in any letter case, depth first: the entries of
// each folder in name order (letter case ignored), a sub-folder walked at once before the entries
// after it. Symbolic links to folders are not followed; pipes and devices are left out; unreadable
// folders are skipped and named in unreadable.
std::vector<std::string> ListTextFiles(const std::string& folder, std::vector<std::string>* unreadable = nullptr);

} // namespace platform
