#include "cli/JsonOutput.h"

namespace n63k::cli {

void PrintJson(std::ostream& out, const Json& document) {
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace n63k::cli
