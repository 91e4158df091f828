#include "shell/UnavailableDocument.h"

#include "fw/core/MessageService.h"

std::string UnavailableDocument::Text(const std::string& docName)
{
    return docName + " documents cannot be opened yet.";
}

bool UnavailableDocument::OnNewDocument()
{
    fw::ShowMessage(Text(docName_), fw::MB_OK | fw::MB_ICONINFORMATION);
    return false;
}

bool UnavailableDocument::OnOpenDocument(const std::string&)
{
    return OnNewDocument();
}
