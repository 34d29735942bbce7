#include <quillon/FontManager.hpp>

namespace quillon
{
FontProvider* FontRegistry::provider = nullptr;
} // namespace quillon
