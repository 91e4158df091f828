#include "fw/core/FileHead.h"

#include "fw/core/Document.h"
#include "fw/core/File.h"
#include "fw/core/FileException.h"

#include <algorithm>

namespace fw {

void ReadFileHead(std::string_view winPath, std::size_t firstBytes, const std::function<void(Archive&)>& parse)
{
    File file(winPath, File::modeRead | File::shareDenyNone);
    const std::uint64_t length = file.GetLength();
    if (length > Document::maxFileSize)
        throw FileException(FileException::invalidFile, file.GetFilePath());
    std::vector<std::uint8_t> bytes;
    std::size_t wanted = std::size_t(std::min<std::uint64_t>(std::max<std::size_t>(firstBytes, 1), length));
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(wanted);
        bytes.resize(had + file.Read(bytes.data() + had, wanted - had));
        const bool whole = bytes.size() < wanted || wanted >= length;
        try {
            Archive ar(bytes);
            parse(ar);
            return;
        } catch (const ArchiveException& e) {
            if (e.cause() != ArchiveException::endOfFile || whole)
                throw;
        }
        wanted = std::size_t(std::min<std::uint64_t>(std::uint64_t(wanted) * 2, length));
    }
}

} // namespace fw
