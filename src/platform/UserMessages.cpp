#include "platform/UserMessages.h"

namespace yq::platform {

UserMessages::~UserMessages() = default;

}  // namespace yq::platform
