#include "dialogs/channeldlgmodel.h"

#include <algorithm>
#include <cstring>

#include "dialogs/systemtext.h"
#include "model/recordlayout.h"
#include "platform/error.h"
#include "platform/littleendian.h"

namespace kx {
namespace {

// A name field's bytes up to its first zero; a field without one ends at its last byte.
std::string_view nameBytes(std::span<const std::uint8_t> field)
{
    const auto* begin = reinterpret_cast<const char*>(field.data());
    return {begin,
            static_cast<std::size_t>(std::find(field.begin(), field.end(), 0) - field.begin())};
}

} // namespace

ChannelDlgModel::ChannelDlgModel(std::span<std::uint8_t> raw, int systemCodePage)
    : m_raw(raw), m_systemCodePage(systemCodePage)
{
    if (!raw.empty()) {
        m_layout = ChannelFieldMap::layoutForSize(raw.size());
        if (!m_layout) {
            throw Error(ErrorCode::Internal,
                        "the Channel dialog edits records of 164 or 176 bytes, "
                        "not of " +
                            std::to_string(raw.size()));
        }
    }
    fill(m_layout ? &ChannelFieldMap::recordLayout(*m_layout) : nullptr);
}

ChannelDlgModel::ChannelDlgModel(std::span<std::uint8_t> raw, const RecordLayout& layout,
                                 int systemCodePage)
    : m_raw(raw), m_systemCodePage(systemCodePage)
{
    if (raw.size() != layout.recordSize) {
        throw Error(ErrorCode::Internal, "a record of " + std::to_string(raw.size()) +
                                             " bytes is not one of the " +
                                             std::to_string(layout.recordSize) + "-byte layout");
    }
    if (&layout == &ChannelFieldMap::recordLayout(ChannelLayout::Bytes164)) {
        m_layout = ChannelLayout::Bytes164;
    } else if (&layout == &ChannelFieldMap::recordLayout(ChannelLayout::Bytes176)) {
        m_layout = ChannelLayout::Bytes176;
    }
    fill(&layout);
}

void ChannelDlgModel::fill(const RecordLayout* layout)
{
    m_controls.reserve(ChannelFieldMap::kFieldCount);
    for (const ChannelField& field : ChannelFieldMap::fields()) {
        Control& c = m_controls.emplace_back();
        c.field = &field;
        if (layout == nullptr) {
            continue;
        }
        c.place = field.place(*layout);
        if (!c.place) {
            continue;
        }
        const auto bytes = m_raw.subspan(c.place->offset, c.place->storedBytes);
        if (field.isName) {
            c.openingText = systemBytesToText(nameBytes(bytes), m_systemCodePage);
        } else {
            c.openingText = c.hex.SetValue(readLittleEndian(bytes), c.place->displayBytes);
        }
        c.text = c.openingText;
    }
}

std::size_t ChannelDlgModel::indexOf(int controlId) const
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(), [controlId](const auto& c) {
        return c.field->controlId == controlId;
    });
    if (it == m_controls.end()) {
        throw Error(ErrorCode::Internal,
                    "the Channel dialog has no control " + std::to_string(controlId));
    }
    return static_cast<std::size_t>(it - m_controls.begin());
}

const ChannelDlgModel::Control& ChannelDlgModel::control(int controlId) const
{
    return m_controls[indexOf(controlId)];
}

ChannelDlgModel::Control& ChannelDlgModel::control(int controlId)
{
    return m_controls[indexOf(controlId)];
}

int ChannelDlgModel::displayBytes(int controlId) const
{
    const Control& c = control(controlId);
    return c.place ? c.place->displayBytes : 0;
}

bool ChannelDlgModel::isUsed(int controlId) const
{
    return control(controlId).place.has_value();
}

const std::string& ChannelDlgModel::text(int controlId) const
{
    return control(controlId).text;
}

int ChannelDlgModel::maxLength(int controlId) const
{
    const Control& c = control(controlId);
    if (!c.place) {
        return 0;
    }
    return c.field->isName ? c.place->storedBytes : c.hex.maxLength();
}

std::optional<HexByteText::Entry> ChannelDlgModel::OnChar(int controlId, std::string_view text,
                                                          int caret, char32_t ch) const
{
    const Control& c = control(controlId);
    if (!c.place || c.field->isName) {
        return std::nullopt;
    }
    return c.hex.OnChar(text, caret, ch);
}

bool ChannelDlgModel::canStoreName(std::string_view text) const
{
    return textToSystemBytes(text, m_systemCodePage).has_value();
}

void ChannelDlgModel::setText(int controlId, std::string text)
{
    Control& c = control(controlId);
    if (c.place) {
        c.text = std::move(text);
    }
}

void ChannelDlgModel::OnOK()
{
    // Names are converted first so that a name that cannot be stored leaves every byte as it was.
    std::vector<std::pair<const Control*, std::string>> names;
    for (const Control& c : m_controls) {
        if (!c.place || !c.field->isName || c.text == c.openingText) {
            continue;
        }
        auto bytes = textToSystemBytes(c.text, m_systemCodePage);
        if (!bytes) {
            throw Error(ErrorCode::Usage, std::string(c.field->label) +
                                              ": the name holds a character that the system "
                                              "code page cannot store");
        }
        names.emplace_back(&c, std::move(*bytes));
    }
    for (const auto& [c, bytes] : names) {
        const auto field = m_raw.subspan(c->place->offset, c->place->storedBytes);
        const std::size_t length = std::min(bytes.size(), field.size());
        std::memcpy(field.data(), bytes.data(), length);
        if (length < field.size()) {
            field[length] = 0;
        }
    }
    for (const Control& c : m_controls) {
        if (c.place && !c.field->isName) {
            writeLittleEndian(m_raw.subspan(c.place->offset, c.place->storedBytes),
                              c.hex.GetValue(c.text));
        }
    }
}

} // namespace kx
