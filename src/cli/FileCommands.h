// yq-calc's commands on the current folder's files: SAVE and the user file.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace yq::cli {

// `yq-calc save ...` and `yq-calc users ...`, in the current folder.
int runSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runUsersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
