#include "model/ArchiveFields.h"

#include "fw/core/Archive.h"

#include <cmath>

namespace {

struct FieldSerializer {
    fw::Archive& ar;

    void operator()(std::uint32_t* v) const
    {
        if (ar.IsStoring())
            ar.WriteDWord(*v);
        else
            *v = ar.ReadDWord();
    }
    void operator()(std::string* v) const
    {
        if (ar.IsStoring())
            ar.WriteString(*v);
        else
            *v = ar.ReadString();
    }
    void operator()(CDimension* v) const { v->Serialize(ar); }
    void operator()(std::array<double, 6>* v) const
    {
        for (double& value : *v)
            SerializeDouble(ar, value);
    }
};

} // namespace

void SerializeDouble(fw::Archive& ar, double& value)
{
    if (ar.IsStoring()) {
        ar.WriteDouble(value);
        return;
    }
    const double loaded = ar.ReadDouble();
    if (!std::isfinite(loaded))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "machine value is not a number");
    value = loaded;
}

void SerializeFields(fw::Archive& ar, std::initializer_list<ArchiveField> fields)
{
    for (const ArchiveField& field : fields)
        std::visit(FieldSerializer{ar}, field);
}
