#include "platform/FileSystem.h"

namespace ordovan {

FileSystem::~FileSystem() = default;

// A file system that cannot identify folders: walks then follow no link.
std::optional<FileIdentity> FileSystem::IdentifyFolder(const std::string&) { return std::nullopt; }

}  // namespace ordovan
