#include "tests/shell/FakeServices.h"

namespace test {

namespace {

class FakeDocument : public ItemDocument {
public:
    explicit FakeDocument(FakeServices& log) : log_(log) {}
    void SetPathName(const std::string& path) override { log_.Log("SetPathName(" + path + ")"); }
    void ClearModel() override { log_.Log("ClearModel"); }
    void MakeUntitledCopy() override { log_.Log("MakeUntitledCopy"); }
    void MarkNew() override { log_.Log("MarkNew"); }
    void ShowFrame() override { log_.Log("ShowFrame"); }

private:
    FakeServices& log_;
};

} // namespace

std::string FakeServices::Name(nav::Object kind)
{
    switch (kind) {
    case nav::Object::part: return "part";
    case nav::Object::mult: return "mult";
    case nav::Object::shape: return "shape";
    case nav::Object::tool: return "tool";
    case nav::Object::machine: return "machine";
    default: return "object " + std::to_string(static_cast<int>(kind));
    }
}

ItemDocument* FakeServices::NewHidden(nav::Object kind)
{
    Log("NewHidden(" + Name(kind) + ")");
    if (!documentsCanBeMade)
        return nullptr;
    documents_.push_back(std::make_unique<FakeDocument>(*this));
    return documents_.back().get();
}

ItemDocument* FakeServices::OpenHidden(nav::Object kind, const std::string& path)
{
    Log("OpenHidden(" + Name(kind) + "," + path + ")");
    if (!documentsCanBeMade)
        return nullptr;
    documents_.push_back(std::make_unique<FakeDocument>(*this));
    return documents_.back().get();
}

void FakeServices::Open(ReportKind kind, const std::string& path)
{
    static const char* const names[] = {"files", "parts", "mults"};
    Log(std::string("OpenReport(") + names[static_cast<int>(kind)] + "," + path + ")");
}

} // namespace test
