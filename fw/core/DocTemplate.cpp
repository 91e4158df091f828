#include "fw/core/DocTemplate.h"

#include "fw/core/DocManager.h"
#include "fw/core/Text1252.h"

#include <algorithm>

namespace fw {

DocTemplate::DocTemplate(std::string docString, DocumentFactory factory)
    : docString_(std::move(docString)), factory_(std::move(factory))
{
}

DocTemplate::~DocTemplate() = default;

std::string DocTemplate::GetDocString(DocStringIndex index) const
{
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = docString_.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    return docString_.substr(start, docString_.find('\n', start) - start);
}

bool DocTemplate::MatchesPath(const std::string& path) const
{
    const std::string ext = GetFilterExtension();
    return !ext.empty() && path.size() > ext.size() &&
           EqualsNoCase1252(std::string_view(path).substr(path.size() - ext.size()), ext);
}

Document* DocTemplate::CreateNewDocument()
{
    std::unique_ptr<Document> doc = factory_();
    doc->template_ = this;
    documents_.push_back(std::move(doc));
    return documents_.back().get();
}

bool DocTemplate::CreateFrame(Document& doc) { return frameFactory_ && frameFactory_(doc); }

Document* DocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    Document* doc = CreateNewDocument();
    // A new document has its default title while it starts, so that it can name itself by it.
    if (path.empty())
        doc->SetTitle(GetDocString(docName) + std::to_string(++untitledCount_));
    const bool loaded = path.empty() ? doc->OnNewDocument() : doc->OnOpenDocument(path);
    if (!loaded) {
        CloseDocument(doc);
        return nullptr;
    }
    if (!path.empty())
        doc->SetPathName(path);
    if (makeVisible && frameFactory_ && !frameFactory_(*doc)) {
        CloseDocument(doc);
        return nullptr;
    }
    return doc;
}

void DocTemplate::CloseDocument(Document* doc)
{
    auto it = std::find_if(documents_.begin(), documents_.end(), [&](const auto& d) { return d.get() == doc; });
    if (it == documents_.end())
        return;
    std::unique_ptr<Document> owned = std::move(*it);
    documents_.erase(it);
    owned->OnCloseDocument();
}

} // namespace fw
