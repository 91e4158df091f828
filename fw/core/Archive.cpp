#include "fw/core/Archive.h"

#include "fw/core/Text1252.h"

#include <bit>
#include <cstring>

namespace fw {

namespace {
constexpr std::uint16_t nullTag = 0;
constexpr std::uint16_t newClassTag = 0xFFFF;
constexpr std::uint16_t classTag = 0x8000;
constexpr std::uint16_t bigObjectTag = 0x7FFF;
constexpr std::uint32_t bigClassTag = 0x80000000u;
constexpr std::uint32_t maxIndex = 0x7FFFFFFEu;

// A wide string unit kept as its 8-bit code where it has one, else '?'.
char NarrowUnit(std::uint16_t unit)
{
    const int code = UnicodeToCp1252(unit);
    return code < 0 ? '?' : char(code);
}
} // namespace

Archive::Archive() : mode_(store) {}

Archive::Archive(std::vector<std::uint8_t> bytes) : mode_(load), bytes_(std::move(bytes))
{
    loadTable_.push_back({});
}

void Archive::RequireStoring() const
{
    if (mode_ != store)
        throw ArchiveException(ArchiveException::readOnly, "archive is open for loading");
}

void Archive::RequireLoading() const
{
    if (mode_ != load)
        throw ArchiveException(ArchiveException::writeOnly, "archive is open for storing");
}

void Archive::Need(std::size_t size) const
{
    if (size > bytes_.size() - pos_)
        throw ArchiveException(ArchiveException::endOfFile, "unexpected end of archive");
}

void Archive::Write(const void* data, std::size_t size)
{
    RequireStoring();
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
}

void Archive::Read(void* data, std::size_t size)
{
    RequireLoading();
    Need(size);
    if (size)
        std::memcpy(data, bytes_.data() + pos_, size);
    pos_ += size;
}

void Archive::WriteByte(std::uint8_t v) { Write(&v, 1); }

void Archive::WriteWord(std::uint16_t v)
{
    std::uint8_t b[2] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    Write(b, 2);
}

void Archive::WriteDWord(std::uint32_t v)
{
    std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    Write(b, 4);
}

void Archive::WriteLong(std::int32_t v) { WriteDWord(std::uint32_t(v)); }
void Archive::WriteBool(bool v) { WriteDWord(v ? 1u : 0u); }
void Archive::WriteFloat(float v) { WriteDWord(std::bit_cast<std::uint32_t>(v)); }

void Archive::WriteDouble(double v)
{
    auto u = std::bit_cast<std::uint64_t>(v);
    WriteDWord(std::uint32_t(u));
    WriteDWord(std::uint32_t(u >> 32));
}

std::uint8_t Archive::ReadByte()
{
    std::uint8_t v;
    Read(&v, 1);
    return v;
}

std::uint16_t Archive::ReadWord()
{
    std::uint8_t b[2];
    Read(b, 2);
    return std::uint16_t(b[0] | (b[1] << 8));
}

std::uint32_t Archive::ReadDWord()
{
    std::uint8_t b[4];
    Read(b, 4);
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24);
}

std::int32_t Archive::ReadLong() { return std::int32_t(ReadDWord()); }
bool Archive::ReadBool() { return ReadDWord() != 0; }
float Archive::ReadFloat() { return std::bit_cast<float>(ReadDWord()); }

double Archive::ReadDouble()
{
    std::uint64_t lo = ReadDWord();
    std::uint64_t hi = ReadDWord();
    return std::bit_cast<double>(lo | (hi << 32));
}

void Archive::WriteString(const std::string& s)
{
    const std::size_t n = s.size();
    if (n < 0xFF) {
        WriteByte(std::uint8_t(n));
    } else if (n < 0xFFFE) {
        WriteByte(0xFF);
        WriteWord(std::uint16_t(n));
    } else {
        if (n > 0xFFFFFFFEu)
            throw ArchiveException(ArchiveException::badValue, "string too long for an archive");
        WriteByte(0xFF);
        WriteWord(0xFFFF);
        WriteDWord(std::uint32_t(n));
    }
    Write(s.data(), n);
}

std::string Archive::ReadString()
{
    bool wide = false;
    std::uint64_t n = ReadByte();
    if (n == 0xFF) {
        n = ReadWord();
        if (n == 0xFFFE) {   // wide-string marker: the real length follows in the same form
            wide = true;
            n = ReadByte();
            if (n == 0xFF)
                n = ReadWord();
        }
        if (n == 0xFFFF) {
            n = ReadDWord();
            if (n == 0xFFFFFFFFu)
                throw ArchiveException(ArchiveException::badValue, "string length out of range");
        }
    }
    const std::uint64_t byteCount = wide ? n * 2 : n;
    if (byteCount > Remaining())
        throw ArchiveException(ArchiveException::endOfFile, "string runs past the end of the archive");
    std::string s(std::size_t(n), '\0');
    if (!wide) {
        Read(s.data(), std::size_t(n));
        return s;
    }
    for (char& c : s)
        c = NarrowUnit(ReadWord());
    return s;
}

void Archive::WriteCount(std::uint32_t n)
{
    if (n < 0xFFFF) {
        WriteWord(std::uint16_t(n));
    } else {
        WriteWord(0xFFFF);
        WriteDWord(n);
    }
}

std::uint32_t Archive::ReadCount()
{
    std::uint16_t w = ReadWord();
    return w != 0xFFFF ? w : ReadDWord();
}

std::uint32_t Archive::ReadCount(std::size_t minItemSize)
{
    std::uint32_t n = ReadCount();
    if (minItemSize && n > Remaining() / minItemSize)
        throw ArchiveException(ArchiveException::endOfFile, "count larger than the archive can hold");
    return n;
}

std::uint32_t Archive::NextIndex()
{
    if (nextIndex_ > maxIndex)
        throw ArchiveException(ArchiveException::badIndex, "too many objects in one archive");
    return nextIndex_++;
}

void Archive::WriteIndexTag(std::uint32_t index, bool isClass)
{
    if (index < bigObjectTag) {
        WriteWord(std::uint16_t(isClass ? (classTag | index) : index));
    } else {
        WriteWord(bigObjectTag);
        WriteDWord(isClass ? (bigClassTag | index) : index);
    }
}

void Archive::WriteObject(const Object* obj)
{
    RequireStoring();
    if (!obj) {
        WriteWord(nullTag);
        return;
    }
    if (auto it = storeIndex_.find(obj); it != storeIndex_.end()) {
        WriteIndexTag(it->second, false);
        return;
    }
    const RuntimeClass* cls = obj->GetRuntimeClass();
    if (!cls->IsSerializable())
        throw ArchiveException(ArchiveException::badClass, std::string("class is not serializable: ") + cls->className);
    if (auto it = storeIndex_.find(cls); it != storeIndex_.end()) {
        WriteIndexTag(it->second, true);
    } else {
        WriteWord(newClassTag);
        WriteWord(cls->StoredSchema());
        const std::size_t len = std::strlen(cls->className);
        WriteWord(std::uint16_t(len));
        Write(cls->className, len);
        storeIndex_[cls] = NextIndex();
    }
    storeIndex_[obj] = NextIndex();
    const_cast<Object*>(obj)->Serialize(*this);
}

Archive::Tag Archive::ReadNewClass()
{
    const std::uint16_t schema = ReadWord();
    const std::uint16_t len = ReadWord();
    if (len == 0 || len > maxClassNameLength)
        throw ArchiveException(ArchiveException::badClass, "class name length out of range");
    std::string name(len, '\0');
    Read(name.data(), len);
    const RuntimeClass* cls = RuntimeClass::FromName(name);
    if (!cls || !cls->IsSerializable())
        throw ArchiveException(ArchiveException::badClass, "unknown class " + name);
    const bool schemaOk = cls->IsVersionable() ? schema <= cls->StoredSchema() : schema == cls->StoredSchema();
    if (!schemaOk)
        throw ArchiveException(ArchiveException::badSchema, "schema " + std::to_string(schema) + " of " + name);
    loadTable_.push_back({cls, nullptr, schema});
    NextIndex();
    return {cls, schema, 0};
}

Archive::Tag Archive::ReadTag()
{
    RequireLoading();
    const std::uint16_t w = ReadWord();
    if (w == newClassTag)
        return ReadNewClass();
    std::uint32_t tag = w;
    if (w == bigObjectTag)
        tag = ReadDWord();
    else if (w & classTag)
        tag = bigClassTag | (w & ~classTag);
    const std::uint32_t index = tag & ~bigClassTag;
    if (index >= loadTable_.size())
        throw ArchiveException(ArchiveException::badIndex, "reference to index " + std::to_string(index));
    const Loaded& entry = loadTable_[index];
    if (tag & bigClassTag) {
        if (!entry.cls)
            throw ArchiveException(ArchiveException::badIndex, "class reference to a non-class");
        return {entry.cls, entry.schema, 0};
    }
    if (index != 0 && !entry.object)
        throw ArchiveException(ArchiveException::badIndex, "object reference to a non-object");
    return {nullptr, 0, index};
}

std::unique_ptr<Object> Archive::CreateAndLoad(const Tag& tag, const RuntimeClass* expected)
{
    if (expected && !tag.cls->IsDerivedFrom(expected))
        throw ArchiveException(ArchiveException::badClass,
                               std::string(tag.cls->className) + " where " + expected->className + " was expected");
    std::unique_ptr<Object> obj = tag.cls->CreateObject();
    loadTable_.push_back({nullptr, obj.get(), 0});
    NextIndex();
    const std::uint16_t saved = objectSchema_;
    objectSchema_ = tag.schema;
    obj->Serialize(*this);
    objectSchema_ = saved;
    return obj;
}

std::unique_ptr<Object> Archive::ReadObject(const RuntimeClass* expected)
{
    const Tag tag = ReadTag();
    if (tag.cls)
        return CreateAndLoad(tag, expected);
    if (tag.objectIndex != 0)
        throw ArchiveException(ArchiveException::badIndex, "an owned object appears twice");
    return nullptr;
}

Object* Archive::ReadObjectRef(const RuntimeClass* expected)
{
    const Tag tag = ReadTag();
    if (tag.cls) {
        ownedRefs_.push_back(CreateAndLoad(tag, expected));
        return ownedRefs_.back().get();
    }
    Object* obj = loadTable_[tag.objectIndex].object;
    if (obj && expected && !obj->IsKindOf(expected))
        throw ArchiveException(ArchiveException::badClass, "reference to an object of the wrong class");
    return obj;
}

} // namespace fw
