#include "support/testpaths.h"

namespace kelvora::testing {

std::filesystem::path SourceDir() { return KELVORA_SOURCE_DIR; }

std::filesystem::path BinDir() { return KELVORA_BIN_DIR; }

}  // namespace kelvora::testing
