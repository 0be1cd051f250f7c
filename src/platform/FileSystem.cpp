#include "platform/FileSystem.h"

namespace ordovan {

FileSystem::~FileSystem() = default;

}  // namespace ordovan
