#include "engine/ConversionOptions.h"

namespace engine {

void ResetOptions(ConversionOptions& options)
{
    options = ConversionOptions {};
}

} // namespace engine
