#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "model/channelrec.h"

namespace kx::test {

// A record that only knows an id, a name and its check bit, and counts how many of its kind are
// alive, so that tests can see who destroys records and when.
class FakeRec : public CChannelRec
{
public:
    explicit FakeRec(int id) : m_id(id) { ++s_live; }
    ~FakeRec() override { --s_live; }
    FakeRec(const FakeRec&) = delete;
    FakeRec& operator=(const FakeRec&) = delete;

    static std::unique_ptr<CChannelRec> make(int id) { return std::make_unique<FakeRec>(id); }
    static int live() { return s_live; }

    int id() const { return m_id; }

    int GetNumber() const override { return m_number; }
    void SetNumber(int number) override { m_number = number; }
    std::string GetName(const CodecSettings& /*codec*/) const override { return m_name; }
    void SetName(std::string_view text, const CodecSettings& /*codec*/) override
    {
        m_name.assign(text);
    }
    bool IsUnchecked() const override { return m_unchecked; }
    void SetChecked(bool ticked) override { m_unchecked = !ticked; }
    std::unique_ptr<CChannelRec> Clone() const override
    {
        auto copy = std::make_unique<FakeRec>(m_id);
        copy->m_number = m_number;
        copy->m_name = m_name;
        copy->m_unchecked = m_unchecked;
        copy->m_bTV = m_bTV;
        copy->m_bFM = m_bFM;
        copy->m_bDTV = m_bDTV;
        return copy;
    }

private:
    inline static int s_live = 0;
    int m_id;
    int m_number = 0;
    std::string m_name;
    bool m_unchecked = false;
};

// The id of a row's FakeRec, or -1 when the row holds no record.
inline int idOf(const CChannelRec* record)
{
    const auto* fake = dynamic_cast<const FakeRec*>(record);
    return fake != nullptr ? fake->id() : -1;
}

} // namespace kx::test
