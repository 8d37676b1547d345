#include "document/globalclonereader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <expat.h>
#include <memory>
#include <strings.h>

#include "document/globalclonefile.h"
#include "document/globalclonetext.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/utf8.h"

namespace kx {

namespace {

// What an open element is, as far as the reader cares.
enum class Kind : std::uint8_t
{
    Other,
    Root,
    ModelInfo,
    ModelName,
    CloneVersion,
    MajorVersion,
    Channel,
    ChannelList,
    Item,
    ItemChild,
    SatelliteDb,
    SatDbInfo,
    SatRecordInfo,
    SatRecord,
    SatField,
    SettingIdDbInfo,
    SettingIdInfo,
    SettingTable,
    SettingSatellite,
    TpList,
    TpRecord,
    TpField,
};

// The satellite and transponder fields kept, by the order of these lists.
constexpr std::array<std::string_view, 4> kSatFields = {"SatelliteNameHex", "Angle", "AnglePrec",
                                                        "DirEastWest"};
constexpr std::array<std::string_view, 4> kTpFields = {"TransponderId", "Frequency", "Polarisation",
                                                       "SymbolRate"};

struct Frame
{
    Kind kind = Kind::Other;
    std::uint8_t which = 0;      // the field of a SatField or TpField
    bool hadChild = false;       // not a leaf
    bool selfClosing = false;    // <x/>
    std::uint32_t tagStart = 0;  // offset of '<'
    std::uint32_t textStart = 0; // offset after the start tag (of "/>" when selfClosing)
};

// Whether name is prefix followed by decimal digits only (idx11, tbl0, TPRecord7).
bool isNumbered(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix) || name.size() == prefix.size()) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char ch) { return ch >= '0' && ch <= '9'; });
}

std::optional<std::int64_t> numberIn(std::string_view raw)
{
    if (raw.find_first_of("&<") == std::string_view::npos) {
        return globalclone::parseNumber(raw);
    }
    return globalclone::parseNumber(globalclone::decodeXmlContent(raw));
}

// Whether a byte ends the name of a start tag.
bool isNameEnd(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '/' || ch == '>';
}

bool isXmlWhitespace(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::string latin1ToUtf8(std::string_view bytes)
{
    std::string out;
    for (const char ch : bytes) {
        utf8::appendCodePoint(out, static_cast<unsigned char>(ch));
    }
    return out;
}

} // namespace

// One run of expat over the text; a member of the reader so that it may fill the file.
class GlobalCloneReader::Parse
{
public:
    Parse(GlobalCloneFile& file, const std::string& fileName)
        : m_file(file), m_bytes(file.m_bytes), m_fileName(fileName)
    {}

    void run(const std::string& text);

    GlobalCloneFile& m_file;
    const std::string& m_bytes;
    const std::string& m_fileName;
    XML_Parser m_parser = nullptr;
    std::vector<Frame> m_stack;
    std::optional<ErrorCode> m_errorCode;
    std::string m_errorMessage;
    bool m_sawChannel = false;
    bool m_sawHexLetter = false;

    // The item being read and where its children lie, for the insertion place.
    GlobalCloneItem m_item;
    std::uint32_t m_lastChildStart = 0;
    std::uint32_t m_lastChildEnd = 0;
    std::uint32_t m_previousChildEnd = 0;
    bool m_itemHasChild = false;

    GlobalCloneSatellite m_satellite;
    std::int64_t m_tableSatellite = -1;
    GlobalCloneTransponder m_transponder;

    std::string where(std::uint32_t offset) const
    {
        return "line " + std::to_string(XML_GetCurrentLineNumber(m_parser)) + ", byte offset " +
               std::to_string(offset);
    }
    std::uint32_t eventOffset() const
    {
        return static_cast<std::uint32_t>(XML_GetCurrentByteIndex(m_parser));
    }
    void stop(ErrorCode code, const std::string& message)
    {
        if (!m_errorCode) {
            m_errorCode = code;
            m_errorMessage = m_fileName + ": " + message;
        }
        XML_StopParser(m_parser, XML_FALSE);
    }

    void start(std::string_view name);
    void end();
    void endItemChild(const Frame& frame, std::uint32_t endTag, std::uint32_t afterEndTag);
    void endItem(const Frame& frame, std::uint32_t endTag);
    Kind kindOf(std::string_view name, std::uint8_t& which);
    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** /*attributes*/)
    {
        static_cast<Parse*>(data)->start(name);
    }
    static void XMLCALL onEnd(void* data, const XML_Char* /*name*/)
    {
        static_cast<Parse*>(data)->end();
    }
    static void XMLCALL onDoctype(void* data, const XML_Char* /*name*/, const XML_Char* /*system*/,
                                  const XML_Char* /*public*/, int /*internalSubset*/)
    {
        auto* parse = static_cast<Parse*>(data);
        parse->stop(ErrorCode::Format, "the file declares a document type (" +
                                           parse->where(parse->eventOffset()) +
                                           "), which channel lists never do: refused");
    }
    static void XMLCALL onEntity(void* data, const XML_Char* /*name*/, int /*parameter*/,
                                 const XML_Char* /*value*/, int /*length*/,
                                 const XML_Char* /*base*/, const XML_Char* /*system*/,
                                 const XML_Char* /*public*/, const XML_Char* /*notation*/)
    {
        auto* parse = static_cast<Parse*>(data);
        parse->stop(ErrorCode::Format, "the file declares entities (" +
                                           parse->where(parse->eventOffset()) +
                                           "), which channel lists never do: refused");
    }
    static void XMLCALL onXmlDeclaration(void* data, const XML_Char* /*version*/,
                                         const XML_Char* encoding, int /*standalone*/)
    {
        auto* parse = static_cast<Parse*>(data);
        if (encoding != nullptr && strcasecmp(encoding, "UTF-8") != 0 &&
            strcasecmp(encoding, "US-ASCII") != 0) {
            parse->stop(ErrorCode::Unsupported, std::string("the text is in the encoding ") +
                                                    encoding +
                                                    "; GlobalClone channel lists are UTF-8");
        }
    }

    std::string_view textOf(const Frame& frame, std::uint32_t endTag) const
    {
        if (frame.selfClosing || frame.hadChild) {
            return {};
        }
        return std::string_view(m_bytes).substr(frame.textStart, endTag - frame.textStart);
    }
};

Kind GlobalCloneReader::Parse::kindOf(std::string_view name, std::uint8_t& which)
{
    if (m_stack.empty()) {
        if (name != "TLLDATA") {
            stop(ErrorCode::Format, "the root element is <" + std::string(name) + "> (" +
                                        where(eventOffset()) +
                                        "), not <TLLDATA>: not a GlobalClone channel list");
        }
        return Kind::Root;
    }
    const auto find = [&](const auto& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name) {
                which = static_cast<std::uint8_t>(i);
                return true;
            }
        }
        return false;
    };
    switch (m_stack.back().kind) {
    case Kind::Root:
        if (name == "ModelInfo") {
            return Kind::ModelInfo;
        }
        if (name == "CHANNEL") {
            m_sawChannel = true;
            return Kind::Channel;
        }
        return name == "SatelliteDB" ? Kind::SatelliteDb : Kind::Other;
    case Kind::ModelInfo:
        if (name == "ModelName") {
            return Kind::ModelName;
        }
        return name == "CloneVersion" ? Kind::CloneVersion : Kind::Other;
    case Kind::CloneVersion:
        return name == "MajorVersion" ? Kind::MajorVersion : Kind::Other;
    case Kind::Channel:
        if (name == "legacybroadcast") {
            stop(ErrorCode::Unsupported,
                 "this form of GlobalClone file (the channels as JSON text in <legacybroadcast>, " +
                     where(eventOffset()) + ", as receivers from 2020 on write it) is not " +
                     "supported yet");
        }
        which = name == "ATV" ? 1 : 0;
        return name == "ATV" || name == "DTV" ? Kind::ChannelList : Kind::Other;
    case Kind::ChannelList:
        return name == "ITEM" ? Kind::Item : Kind::Other;
    case Kind::Item:
        return Kind::ItemChild;
    case Kind::SatelliteDb:
        if (name == "SATDBInfo") {
            return Kind::SatDbInfo;
        }
        return name == "SettingIDDBInfo" ? Kind::SettingIdDbInfo : Kind::Other;
    case Kind::SatDbInfo:
        return name == "SatRecordInfo" ? Kind::SatRecordInfo : Kind::Other;
    case Kind::SatRecordInfo:
        return isNumbered(name, "idx") ? Kind::SatRecord : Kind::Other;
    case Kind::SatRecord:
        return find(kSatFields) ? Kind::SatField : Kind::Other;
    case Kind::SettingIdDbInfo:
        return name == "SettingIDInfo" ? Kind::SettingIdInfo : Kind::Other;
    case Kind::SettingIdInfo:
        return isNumbered(name, "tbl") ? Kind::SettingTable : Kind::Other;
    case Kind::SettingTable:
        if (name == "SatelliteHandle") {
            return Kind::SettingSatellite;
        }
        return name == "TPList" ? Kind::TpList : Kind::Other;
    case Kind::TpList:
        return isNumbered(name, "TPRecord") ? Kind::TpRecord : Kind::Other;
    case Kind::TpRecord:
        return find(kTpFields) ? Kind::TpField : Kind::Other;
    default:
        return Kind::Other;
    }
}

void GlobalCloneReader::Parse::start(std::string_view name)
{
    if (m_errorCode) {
        return;
    }
    if (m_stack.size() >= static_cast<std::size_t>(GlobalCloneFile::kMaxDepth)) {
        stop(ErrorCode::Format, "elements are nested deeper than " +
                                    std::to_string(GlobalCloneFile::kMaxDepth) + " (" +
                                    where(eventOffset()) + ")");
        return;
    }
    Frame frame;
    frame.tagStart = eventOffset();
    const auto tagEnd =
        frame.tagStart + static_cast<std::uint32_t>(XML_GetCurrentByteCount(m_parser));
    frame.selfClosing = tagEnd >= 2 && m_bytes.compare(tagEnd - 2, 2, "/>") == 0;
    frame.textStart = frame.selfClosing ? tagEnd - 2 : tagEnd;
    frame.kind = kindOf(name, frame.which);
    if (m_errorCode) {
        return;
    }
    if (!m_stack.empty()) {
        m_stack.back().hadChild = true;
    }
    switch (frame.kind) {
    case Kind::Item:
        m_item = GlobalCloneItem();
        // The receivers write about 40 fields an item.
        m_item.m_elements.reserve(48);
        m_item.m_analog = m_stack.back().which == 1;
        m_item.m_startOffset = frame.tagStart;
        m_item.m_selfClosing = frame.selfClosing;
        m_itemHasChild = false;
        m_previousChildEnd = frame.textStart;
        m_lastChildStart = frame.textStart;
        m_lastChildEnd = frame.textStart;
        break;
    case Kind::ItemChild:
        m_previousChildEnd = m_itemHasChild ? m_lastChildEnd : m_previousChildEnd;
        m_lastChildStart = frame.tagStart;
        m_itemHasChild = true;
        break;
    case Kind::SatRecord:
        m_satellite = GlobalCloneSatellite();
        if (std::from_chars(name.data() + 3, name.data() + name.size(), m_satellite.index).ec !=
            std::errc()) {
            m_satellite.index = -1;
        }
        break;
    case Kind::SettingTable:
        m_tableSatellite = -1;
        break;
    case Kind::TpRecord:
        m_transponder = GlobalCloneTransponder();
        break;
    default:
        break;
    }
    m_stack.push_back(frame);
}

void GlobalCloneReader::Parse::end()
{
    if (m_errorCode) {
        return;
    }
    const Frame frame = m_stack.back();
    m_stack.pop_back();
    const std::uint32_t endTag = frame.selfClosing ? frame.textStart : eventOffset();
    const std::uint32_t afterEndTag =
        frame.selfClosing ? frame.textStart + 2
                          : endTag + static_cast<std::uint32_t>(XML_GetCurrentByteCount(m_parser));
    const std::string_view text = textOf(frame, endTag);
    switch (frame.kind) {
    case Kind::ModelName:
        m_file.m_modelName = globalclone::decodeXmlContent(text);
        break;
    case Kind::MajorVersion:
        m_file.m_majorVersion = numberIn(text);
        break;
    case Kind::ItemChild:
        endItemChild(frame, endTag, afterEndTag);
        break;
    case Kind::Item:
        endItem(frame, endTag);
        break;
    case Kind::SatField:
        if (frame.which == 0) {
            m_satellite.name =
                latin1ToUtf8(globalclone::decodeHex(globalclone::decodeXmlContent(text)).bytes);
        } else {
            const auto value = numberIn(text);
            (frame.which == 1   ? m_satellite.angle
             : frame.which == 2 ? m_satellite.anglePrecision
                                : m_satellite.eastWest) = value;
        }
        break;
    case Kind::SatRecord:
        m_file.m_satellites.push_back(m_satellite);
        break;
    case Kind::SettingSatellite:
        m_tableSatellite = numberIn(text).value_or(-1);
        break;
    case Kind::TpField: {
        const auto value = numberIn(text);
        if (frame.which == 0) {
            m_transponder.transponderId = value.value_or(-1);
        } else {
            (frame.which == 1   ? m_transponder.frequency
             : frame.which == 2 ? m_transponder.polarisation
                                : m_transponder.symbolRate) = value;
        }
        break;
    }
    case Kind::TpRecord:
        m_transponder.satelliteHandle = m_tableSatellite;
        m_file.m_transponders.push_back(m_transponder);
        break;
    default:
        break;
    }
}

void GlobalCloneReader::Parse::endItemChild(const Frame& frame, std::uint32_t endTag,
                                            std::uint32_t afterEndTag)
{
    m_lastChildEnd = afterEndTag;
    if (frame.hadChild) {
        return;
    }
    GlobalCloneElement element;
    element.nameOffset = frame.tagStart + 1;
    element.textOffset = frame.textStart;
    element.textLength = frame.selfClosing ? 0 : endTag - frame.textStart;
    // By hand: find_first_of searches the set once for every byte, and this runs for every field.
    std::size_t nameEnd = element.nameOffset;
    while (nameEnd < m_bytes.size() && !isNameEnd(m_bytes[nameEnd])) {
        ++nameEnd;
    }
    element.nameLength =
        static_cast<std::uint16_t>(std::min<std::size_t>(nameEnd - element.nameOffset, UINT16_MAX));
    element.selfClosing = frame.selfClosing;
    GlobalCloneItem& item = m_item;
    item.m_elements.push_back(element);

    const auto field = globalCloneFieldByName(
        std::string_view(m_bytes).substr(element.nameOffset, element.nameLength));
    if (!field) {
        return;
    }
    const auto index = static_cast<std::size_t>(*field);
    if (item.m_elementOf[index] >= 0) {
        return; // the first of several counts
    }
    item.m_elementOf[index] = static_cast<std::int32_t>(item.m_elements.size() - 1);
    const std::string_view text = textOf(frame, endTag);
    if (*field == GlobalCloneField::HexVchName) {
        auto decoded = globalclone::decodeHex(globalclone::decodeXmlContent(text));
        item.m_hexName = std::move(decoded.bytes);
        item.m_hexNameComplete = decoded.complete;
        if (!m_sawHexLetter) {
            const std::size_t letter = text.find_first_of("abcdefABCDEF");
            if (letter != std::string_view::npos) {
                m_sawHexLetter = true;
                m_file.m_upperCaseHex = text[letter] <= 'F';
            }
        }
    } else if (*field == GlobalCloneField::VchName) {
        item.m_vchName = globalclone::decodeXmlContent(text);
    } else if (const auto value = numberIn(text)) {
        item.m_values[index] = *value;
        item.m_isNumber.set(index);
    }
}

void GlobalCloneReader::Parse::endItem(const Frame& frame, std::uint32_t endTag)
{
    GlobalCloneItem& item = m_item;
    item.m_endTagOffset = endTag;
    const char* lineEnding =
        m_file.m_lineEnding == GlobalCloneFile::LineEnding::CrLf ? "\r\n" : "\n";
    item.m_insertOffset = m_itemHasChild ? m_lastChildEnd : frame.textStart;
    item.m_insertSeparator = lineEnding;
    if (m_itemHasChild) {
        // The children's own separator: the line ending and indentation before the last one.
        const std::string_view between = std::string_view(m_bytes).substr(
            m_previousChildEnd, m_lastChildStart - m_previousChildEnd);
        if (isXmlWhitespace(between)) {
            item.m_insertSeparator = between;
        }
    }
    m_file.m_items.push_back(std::move(m_item));
}

void GlobalCloneReader::Parse::run(const std::string& text)
{
    const std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser(
        XML_ParserCreate("UTF-8"), XML_ParserFree);
    if (!parser) {
        throw Error(ErrorCode::Internal, m_fileName + ": out of memory for the XML parser");
    }
    m_parser = parser.get();
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, onStart, onEnd);
    XML_SetStartDoctypeDeclHandler(m_parser, onDoctype);
    XML_SetEntityDeclHandler(m_parser, onEntity);
    XML_SetXmlDeclHandler(m_parser, onXmlDeclaration);
    XML_SetParamEntityParsing(m_parser, XML_PARAM_ENTITY_PARSING_NEVER);

    const XML_Status status =
        XML_Parse(m_parser, text.data(), static_cast<int>(text.size()), XML_TRUE);
    if (m_errorCode) {
        throw Error(*m_errorCode, m_errorMessage);
    }
    if (status != XML_STATUS_OK) {
        const XML_Error error = XML_GetErrorCode(m_parser);
        const std::string place =
            "line " + std::to_string(XML_GetCurrentLineNumber(m_parser)) + ", column " +
            std::to_string(XML_GetCurrentColumnNumber(m_parser) + 1) + ", byte offset " +
            std::to_string(XML_GetCurrentByteIndex(m_parser));
        const std::string what = XML_ErrorString(error);
        if (error == XML_ERROR_NO_ELEMENTS || error == XML_ERROR_UNCLOSED_TOKEN ||
            error == XML_ERROR_PARTIAL_CHAR || error == XML_ERROR_UNCLOSED_CDATA_SECTION) {
            throw Error(ErrorCode::Truncated, m_fileName + ": the text ends before the XML is " +
                                                  "complete (" + what + " at " + place +
                                                  "): the file is truncated");
        }
        throw Error(ErrorCode::Format,
                    m_fileName + ": the XML is not well-formed: " + what + " at " + place);
    }
    if (!m_sawChannel) {
        throw Error(ErrorCode::Format,
                    m_fileName + ": <TLLDATA> holds no <CHANNEL> element: not a channel list");
    }
}

GlobalCloneReader::GlobalCloneReader(GlobalCloneFile& file, std::string fileName)
    : m_file(file), m_fileName(std::move(fileName))
{}

void GlobalCloneReader::read()
{
    const std::string& bytes = m_file.m_bytes;
    if (bytes.size() > File::kMaxReadSize) {
        throw Error(ErrorCode::Format, m_fileName + ": " + std::to_string(bytes.size()) +
                                           " bytes is more than any channel list holds");
    }
    if (!GlobalCloneFile::looksLikeXml(bytes)) {
        throw Error(ErrorCode::Format,
                    m_fileName + ": not a GlobalClone file: the text does not begin with <?xml");
    }
    m_file.m_byteOrderMark = bytes.starts_with("\xEF\xBB\xBF");
    const std::size_t newline = bytes.find('\n');
    m_file.m_lineEnding = newline != std::string::npos && newline > 0 && bytes[newline - 1] == '\r'
                              ? GlobalCloneFile::LineEnding::CrLf
                              : GlobalCloneFile::LineEnding::Lf;

    const std::string blanked = globalclone::blankedNameBytes(bytes);
    Parse parse(m_file, m_fileName);
    parse.run(blanked.empty() ? bytes : blanked);
    std::sort(m_file.m_satellites.begin(), m_file.m_satellites.end(),
              [](const GlobalCloneSatellite& a, const GlobalCloneSatellite& b) {
                  return a.index < b.index;
              });
}

} // namespace kx
