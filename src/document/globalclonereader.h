#pragma once

#include <string>

namespace kx {

class GlobalCloneFile;

// Fills a GlobalCloneFile from its bytes with expat, one pass over the text: it keeps the byte
// ranges of the channels' fields, the satellites and the transponders, checks the rest for
// well-formedness only and refuses document types and entity declarations before they are read.
// GlobalCloneFile::read() is its only user; the errors it throws are described there.
class GlobalCloneReader
{
public:
    GlobalCloneReader(GlobalCloneFile& file, std::string fileName);

    void read();

private:
    class Parse;

    GlobalCloneFile& m_file;
    std::string m_fileName;
};

} // namespace kx
