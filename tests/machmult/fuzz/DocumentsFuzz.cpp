#include "tests/machmult/fuzz/DocumentsFuzz.h"

#include "machmult/MachineDoc.h"
#include "machmult/MultClasses.h"
#include "machmult/MultDoc.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "partprog/PartDoc.h"

#include "lenbox/LenboxError.h"
#include "lenbox/LenboxModel.h"
#include "lenbox/PropertyStream.h"

#include "fw/core/Archive.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace roundtrip {

namespace {

template <class Document> Bytes LoadAndSaveDocument(const Bytes& file)
{
    Document doc;
    fw::Archive in(file);
    doc.Serialize(in);
    fw::Archive out;
    doc.Serialize(out);
    return out.TakeBytes();
}

Bytes LoadAndSaveLenbox(const Bytes& file)
{
    fw::Archive in(file);
    lenbox::LenboxModel model;
    model.LoadProperties(lenbox::ReadProperties(in));
    fw::Archive out;
    lenbox::WriteProperties(out, model.GetProperties());
    return out.TakeBytes();
}

} // namespace

const char* KindName(Kind kind)
{
    switch (kind) {
    case Kind::part: return "part";
    case Kind::mult: return "mult";
    case Kind::shape: return "shape";
    case Kind::tool: return "tool";
    case Kind::machine: return "machine";
    case Kind::lenboxStream: return "LENBOX stream";
    }
    return "?";
}

std::optional<Bytes> LoadAndSave(Kind kind, const Bytes& file)
{
    try {
        switch (kind) {
        case Kind::part: return LoadAndSaveDocument<CPartDoc>(file);
        case Kind::mult: return LoadAndSaveDocument<CMultDoc>(file);
        case Kind::shape: return LoadAndSaveDocument<CShapeDoc>(file);
        case Kind::tool: return LoadAndSaveDocument<CToolDoc>(file);
        case Kind::machine: return LoadAndSaveDocument<CMachineDoc>(file);
        case Kind::lenboxStream: return LoadAndSaveLenbox(file);
        }
    } catch (const fw::ArchiveException&) {
    } catch (const lenbox::LenboxError&) {
    }
    return std::nullopt;
}

Outcome RoundTrip(Kind kind, const Bytes& file)
{
    const std::optional<Bytes> saved = LoadAndSave(kind, file);
    if (!saved)
        return {};
    const std::optional<Bytes> again = LoadAndSave(kind, *saved);
    if (!again)
        return {true, std::string(KindName(kind)) + ": the saved file does not load"};
    if (*again != *saved)
        return {true, std::string(KindName(kind)) + ": the saved file saves to other bytes"};
    return {true, {}};
}

void RegisterClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        RegisterModelClasses();
        RegisterMultClasses();
    });
}

} // namespace roundtrip

int FuzzDocuments(const std::uint8_t* data, std::size_t size)
{
    using namespace roundtrip;
    if (size == 0 || data[0] >= std::size(kKinds))
        return 0;
    RegisterClasses();
    const Kind kind = kKinds[data[0]];
    const std::string fault = RoundTrip(kind, Bytes(data + 1, data + size)).fault;
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
