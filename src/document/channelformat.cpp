#include "document/channelformat.h"

#include "document/binarytllformat.h"
#include "document/globalcloneformat.h"
#include "platform/archive.h"

namespace kx {

LoadedFile ReadChannelFile(Archive& ar)
{
    const std::string_view bytes = ar.loadedBytes().substr(ar.position());
    if (GlobalCloneFile::looksLikeXml(bytes)) {
        return GlobalCloneFormat::Read(std::string(bytes), ar.name());
    }
    return BinaryTllFormat::FromContents(ReadTll(ar));
}

LoadedFile ReadChannelFile(std::string bytes, const std::string& name)
{
    if (GlobalCloneFile::looksLikeXml(bytes)) {
        return GlobalCloneFormat::Read(std::move(bytes), name);
    }
    Archive ar(std::move(bytes), name);
    return BinaryTllFormat::FromContents(ReadTll(ar));
}

} // namespace kx
