#include "convert/map_to_simplified.h"

#include "convert/simplified_table.h"

namespace varnetto {

// Without a platform mapping service the tool's own table does the work.
Text mapToSimplified(const Text& path) { return mapWithOwnTable(path); }

}  // namespace varnetto
