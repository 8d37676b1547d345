#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "model/channelrec.h"
#include "model/recordlayout.h"

namespace kx {

// The operations of a channel record, written once for every layout: every field is reached
// through the offsets of the record's RecordLayout, and a field the layout does not have reads
// as empty and is never written. The concrete classes only own the raw bytes.
class LayoutChannelRec : public CChannelRec
{
public:
    std::string GetModulationText() const override;
    std::string GetSymbolRateText() const override;
    std::string GetFrequencyText() const override;
    std::string GetChannelText() const override;
    bool IsUnchecked() const override;
    void SetChecked(bool ticked) override;
    std::string GetBandText() const override;
    std::string GetCharacterText() const override;
    int GetCharacterTable() const override;
    int GetNumber() const override;
    void SetNumber(int number) override;
    bool HasNumber(int number) const override;
    std::string GetSystemText() const override;
    void SetName(std::string_view text, const CodecSettings& codec) override;
    std::string GetName(const CodecSettings& codec) const override;
    void ReadFromFile(File& file) override;
    void ReadFromArchive(Archive& ar) override;
    void WriteToFile(File& file) const override;
    void WriteToArchive(Archive& ar) const override;
    bool ClassifyKind() override;
    void WriteHexRow(File& file) const override;
    unsigned GetFlags() const override;
    void SetFlags(unsigned flags, unsigned mask) override;
    bool IsDeleted() const override;
    void MarkDeleted() override;
    std::string GetServiceIdText() const override;
    std::string GetServiceTypeText() const override;
    int GetSource() const override;
    SignalSource GetSignalSource() const override;
    std::optional<int> GetOnid() const override;
    std::optional<int> GetTsid() const override;
    std::optional<int> GetServiceId() const override;
    std::optional<int> GetTunerChannel() const override;
    std::optional<std::int64_t> GetFrequencyKHz() const override;
    std::optional<bool> IsEncrypted() const override;

    virtual const RecordLayout& layout() const = 0;

protected:
    LayoutChannelRec() = default;

    // Copies the kind flags and the place of other (Clone).
    void copyKindFrom(const CChannelRec& other);

private:
    // The number word and derived number that SetNumber(number) stores; none for a record of
    // no kind.
    std::optional<std::pair<std::uint16_t, std::uint32_t>> numberFields(int number) const;
    // Whether the number word and the second number field hold fields already.
    bool storesNumberFields(const std::pair<std::uint16_t, std::uint32_t>& fields) const;
    // A digital channel's u16 field at offset, where the layout has it.
    std::optional<int> digitalU16(std::size_t offset) const;
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    void setU16(std::size_t offset, std::uint16_t value);
    void setU32(std::size_t offset, std::uint32_t value);
    // The value of the second number field for a number word holding number of a kind: the
    // number x 4 plus kindCode (keeping the receiver's own bit), or the word once more.
    std::uint32_t secondNumber(std::uint32_t numberWord, std::uint32_t number,
                               std::uint32_t kindCode) const;
    // Writes the number word and the second number field.
    void storeNumber(std::uint16_t numberWord, std::uint32_t second);
};

// A layout's record: the raw bytes inline (no allocation beyond the object itself), so a list of
// 16,383 records stays light. Derived is the concrete class that Clone makes.
template <class Derived, const RecordLayout& Layout>
class FixedLayoutChannelRec : public LayoutChannelRec
{
public:
    static constexpr std::size_t kRecordSize = Layout.recordSize;

    std::unique_ptr<CChannelRec> Clone() const override
    {
        auto copy = std::make_unique<Derived>();
        copy->m_raw = m_raw;
        copy->copyKindFrom(*this);
        return copy;
    }
    std::span<std::uint8_t> raw() override { return m_raw; }
    std::span<const std::uint8_t> raw() const override { return m_raw; }
    const RecordLayout& layout() const override { return Layout; }

private:
    std::array<std::uint8_t, kRecordSize> m_raw{};
};

// A record of any layout of the table: the layout chosen at run time, the bytes inline in an
// array as large as the largest record.
class TableChannelRec final : public LayoutChannelRec
{
public:
    explicit TableChannelRec(const RecordLayout& layout) : m_layout(&layout) {}

    std::unique_ptr<CChannelRec> Clone() const override;
    std::span<std::uint8_t> raw() override { return {m_raw.data(), m_layout->recordSize}; }
    std::span<const std::uint8_t> raw() const override
    {
        return {m_raw.data(), m_layout->recordSize};
    }
    const RecordLayout& layout() const override { return *m_layout; }

private:
    const RecordLayout* m_layout;
    std::array<std::uint8_t, kLargestRecordSize> m_raw{};
};

// A new, zero-filled record of layout.
std::unique_ptr<CChannelRec> NewChannelRec(const RecordLayout& layout);

} // namespace kx
