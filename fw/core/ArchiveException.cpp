#include "fw/core/ArchiveException.h"

namespace fw {

ArchiveException::ArchiveException(Cause cause, const std::string& what)
    : std::runtime_error(what), cause_(cause)
{
}

} // namespace fw
