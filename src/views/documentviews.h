#pragma once

#include <memory>
#include <vector>

#include "document/kanalyxdoc.h"
#include "platform/observerlist.h"
#include "views/kanalyxview.h"

namespace kx {

struct CodecSettings;

// The list views of one document, one per list it has, indexed by ListKind: what the window,
// the command-line tool, the tests and the benchmarks build to show and edit a document's lists.
// When a file brings lists the views do not have yet, they are made as it loads; a view, once
// made, lives as long as this object, so that a list the open file lacks shows no rows.
// The view observers added here are given to every view, also to those made later.
class DocumentViews : private DocumentObserver
{
public:
    // Names are shown and stored under codec, which must outlive this object.
    DocumentViews(CKanalyxDoc& doc, const CodecSettings& codec);
    ~DocumentViews() override;
    DocumentViews(const DocumentViews&) = delete;
    DocumentViews& operator=(const DocumentViews&) = delete;

    CKanalyxDoc& document() const noexcept { return m_doc; }
    // The lists the document has now, in its order.
    const std::vector<ListKind>& lists() const noexcept { return m_lists; }
    // Whether the document has the list now.
    bool has(ListKind kind) const;
    // The view of a list, made when first asked for.
    CKanalyxView& view(ListKind kind);
    const CKanalyxView& view(ListKind kind) const;

    // Every view writes every row again (after a change of the codec settings).
    void RefillRows();

    // Observers are not owned and must be removed before they die.
    void addViewObserver(ViewObserver* observer);
    void removeViewObserver(ViewObserver* observer);

private:
    void OnInitialUpdate() override;
    CKanalyxView& make(ListKind kind) const;

    CKanalyxDoc& m_doc;
    const CodecSettings& m_codec;
    std::vector<ListKind> m_lists;
    // Made on demand, also from const calls: a view only mirrors the document.
    mutable std::vector<std::unique_ptr<CKanalyxView>> m_views;
    ObserverList<ViewObserver> m_viewObservers;
};

} // namespace kx
