#include "windows/ErrorReporter.h"

namespace yq {

ErrorReporter::~ErrorReporter() = default;

}  // namespace yq
