#include "views/documentviews.h"

#include <algorithm>

namespace kx {

DocumentViews::DocumentViews(CKanalyxDoc& doc, const CodecSettings& codec)
    : m_doc(doc), m_codec(codec)
{
    // Observing before the views are made, this object hears of a new file first and makes the
    // views it brings before anyone asks for them.
    m_doc.addObserver(this);
    OnInitialUpdate();
}

DocumentViews::~DocumentViews()
{
    m_doc.removeObserver(this);
}

bool DocumentViews::has(ListKind kind) const
{
    return std::find(m_lists.begin(), m_lists.end(), kind) != m_lists.end();
}

CKanalyxView& DocumentViews::make(ListKind kind) const
{
    for (const auto& view : m_views) {
        if (view->kind() == kind) {
            return *view;
        }
    }
    // A new view fills itself from the document.
    m_views.push_back(std::make_unique<CKanalyxView>(m_doc, kind, m_codec));
    CKanalyxView& made = *m_views.back();
    m_viewObservers.forEach([&made](ViewObserver& observer) { made.addObserver(&observer); });
    made.UpdateCountPane();
    return made;
}

CKanalyxView& DocumentViews::view(ListKind kind)
{
    return make(kind);
}

const CKanalyxView& DocumentViews::view(ListKind kind) const
{
    return make(kind);
}

void DocumentViews::RefillRows()
{
    for (const auto& view : m_views) {
        view->RefillRows();
    }
}

void DocumentViews::addViewObserver(ViewObserver* observer)
{
    m_viewObservers.add(observer);
    for (const auto& view : m_views) {
        view->addObserver(observer);
    }
}

void DocumentViews::removeViewObserver(ViewObserver* observer)
{
    m_viewObservers.remove(observer);
    for (const auto& view : m_views) {
        view->removeObserver(observer);
    }
}

void DocumentViews::OnInitialUpdate()
{
    m_lists = m_doc.Lists();
    for (const ListKind kind : m_lists) {
        make(kind);
    }
}

} // namespace kx
