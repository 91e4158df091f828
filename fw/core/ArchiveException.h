#pragma once
// The error every archive reader raises on input it cannot accept.

#include "fw/core/FwCoreExport.h"
#include <stdexcept>
#include <string>

namespace fw {

class FW_CORE_EXPORT ArchiveException : public std::runtime_error {
public:
    enum Cause {
        none,
        genericException,
        readOnly,     // storing into an archive opened for loading
        endOfFile,    // the data ends before the value does
        writeOnly,    // loading from an archive opened for storing
        badIndex,     // an object or class reference that points nowhere
        badClass,     // an unknown class name, or an object of the wrong class
        badSchema,    // a schema number the class cannot read
        badValue,     // a length, count or field value out of its allowed range
    };

    ArchiveException(Cause cause, const std::string& what);

    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

} // namespace fw
