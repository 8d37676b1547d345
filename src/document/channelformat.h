#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "document/listkind.h"

namespace kx {

class Archive;
class CChannelRec;

using Records = std::vector<std::unique_ptr<CChannelRec>>;

// One list of a document: the channels its rows show, in their order, and the records the file
// keeps although no row shows them (channels deleted where the receiver keeps every record in its
// place).
struct DocumentList
{
    ListKind kind = ListKind::Analog;
    Records shown;
    Records deleted;
};

// The kinds of file this program reads and writes.
enum class FileFormat
{
    BinaryTll,   // the binary container of every layout
    GlobalClone, // the XML text file of the newer receivers
};

// The parts of a file's own bytes, beside its channels, that a step of the history may change.
enum class FormatBlock
{
    Settings,  // the settings block of a binary file
    Satellite, // the DVB-S block of a binary file, around its channel records
};

// A file format: what a file of it holds beside its channels, what its lists are and allow, and
// how the file is written back from the document's lists, so that only the bytes an edit concerns
// change. The document, its commands, the views and the command line work through this and
// never ask which format they work on, but for what only one format has (the binary settings
// block, the GlobalClone model name), which they reach through the document.
class ChannelFormat
{
public:
    virtual ~ChannelFormat() = default;

    virtual FileFormat format() const noexcept = 0;
    // Whether the records of the list keep their place in the file: a move changes numbers
    // only, a deletion marks the record and keeps it, and duplicating is refused.
    virtual bool keepsPlaces(ListKind list) const noexcept = 0;
    // The favourites and flags (channelflags bits) the channels of the list keep; 0 where they
    // keep none the user can set.
    virtual unsigned flagsKept(ListKind list) const noexcept = 0;
    // Whether the file has a settings block (More Settings, Data Block, comparing settings) and
    // can take lists imported from another file, and whether its records can be exported as
    // bytes and edited field by field.
    virtual bool hasSettings() const noexcept = 0;
    virtual bool canImport() const noexcept = 0;
    virtual bool hasRawRecords() const noexcept = 0;
    // A part of the file's bytes a step may change; empty where the file has none.
    virtual std::span<std::uint8_t> block(FormatBlock which) noexcept = 0;
    // Writes the whole file from the document's lists.
    virtual void write(Archive& ar, std::span<const DocumentList> lists) const = 0;
};

// A file read: its format, and its lists in the document's order.
struct LoadedFile
{
    std::unique_ptr<ChannelFormat> format;
    std::vector<DocumentList> lists;
};

// Reads a whole file of any format, telling the format by the bytes (not by the name): from a
// loading archive (from its position on), or from the file's bytes, named name in messages.
// Throws Error as the format's reader does.
LoadedFile ReadChannelFile(Archive& ar);
LoadedFile ReadChannelFile(std::string bytes, const std::string& name);

} // namespace kx
