#pragma once
// The binary archive that every document and record of the program is written in.
//
// Layout (little-endian): BYTE 1, WORD 2, LONG/DWORD/BOOL 4, float 4, double 8 bytes.
// Strings: a length (BYTE below 0xFF; 0xFF + WORD below 0xFFFE; 0xFF 0xFFFF + DWORD above),
// then the 8-bit bytes. Counts: WORD, or 0xFFFF + DWORD.
// Objects: null = WORD 0; a class used for the first time = WORD 0xFFFF, schema WORD, name length
// WORD, name; a class seen before = WORD 0x8000 | its index; an object seen before = WORD index.
// Indexes from 0x7FFF on are written as WORD 0x7FFF + DWORD (with bit 31 set for a class).
// One counter per archive numbers classes and objects alike from 1: the class first, then the
// object, before its fields are written.
//
// A storing archive appends to a byte buffer; a loading archive reads a byte buffer it was
// given. Loading never trusts the data: every length, count, index and class name is checked,
// and anything out of range raises ArchiveException.

#include "fw/core/FwCoreExport.h"
#include "fw/core/ArchiveException.h"
#include "fw/core/Object.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace fw {

class FW_CORE_EXPORT Archive {
public:
    enum Mode { store, load };

    // Longest class name accepted on load.
    static constexpr std::size_t maxClassNameLength = 64;

    Archive();                                     // storing into an empty buffer
    explicit Archive(std::vector<std::uint8_t> bytes);  // loading from these bytes
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsStoring() const { return mode_ == store; }
    bool IsLoading() const { return mode_ == load; }

    // What has been stored so far (storing) or the whole input (loading).
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(bytes_); }
    std::size_t Position() const { return pos_; }
    std::size_t Remaining() const { return bytes_.size() - pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    // --- Plain values --------------------------------------------------------------------------
    void WriteByte(std::uint8_t v);
    void WriteWord(std::uint16_t v);
    void WriteLong(std::int32_t v);
    void WriteDWord(std::uint32_t v);
    void WriteBool(bool v);               // a 4-byte BOOL
    void WriteFloat(float v);
    void WriteDouble(double v);
    void WriteString(const std::string& s);
    void WriteCount(std::uint32_t n);
    void Write(const void* data, std::size_t size);

    std::uint8_t ReadByte();
    std::uint16_t ReadWord();
    std::int32_t ReadLong();
    std::uint32_t ReadDWord();
    bool ReadBool();
    float ReadFloat();
    double ReadDouble();
    std::string ReadString();
    std::uint32_t ReadCount();
    void Read(void* data, std::size_t size);

    // Reads a count and checks that each of that many items, at least minItemSize bytes each,
    // can still be in the data.
    std::uint32_t ReadCount(std::size_t minItemSize);

    Archive& operator<<(std::uint8_t v) { WriteByte(v); return *this; }
    Archive& operator<<(std::uint16_t v) { WriteWord(v); return *this; }
    Archive& operator<<(std::int16_t v) { WriteWord(std::uint16_t(v)); return *this; }
    Archive& operator<<(std::int32_t v) { WriteLong(v); return *this; }
    Archive& operator<<(std::uint32_t v) { WriteDWord(v); return *this; }
    Archive& operator<<(float v) { WriteFloat(v); return *this; }
    Archive& operator<<(double v) { WriteDouble(v); return *this; }
    Archive& operator<<(const std::string& s) { WriteString(s); return *this; }
    Archive& operator<<(bool) = delete;   // say WriteBool (4 bytes) or WriteByte
    Archive& operator<<(long) = delete;   // a C++ long has no fixed width: say what is meant

    Archive& operator>>(std::uint8_t& v) { v = ReadByte(); return *this; }
    Archive& operator>>(std::uint16_t& v) { v = ReadWord(); return *this; }
    Archive& operator>>(std::int16_t& v) { v = std::int16_t(ReadWord()); return *this; }
    Archive& operator>>(std::int32_t& v) { v = ReadLong(); return *this; }
    Archive& operator>>(std::uint32_t& v) { v = ReadDWord(); return *this; }
    Archive& operator>>(float& v) { v = ReadFloat(); return *this; }
    Archive& operator>>(double& v) { v = ReadDouble(); return *this; }
    Archive& operator>>(std::string& s) { s = ReadString(); return *this; }
    Archive& operator>>(bool&) = delete;
    Archive& operator>>(long&) = delete;

    // --- Objects -------------------------------------------------------------------------------
    // Writes an object with its class tag (null allowed). An object written before is written
    // as a reference to its first appearance.
    void WriteObject(const Object* obj);

    // Reads an object that the caller will own. A reference to an object read before is refused
    // (badIndex): owned objects appear once. The object must be of class `expected` or derived
    // from it (badClass otherwise). Returns nullptr for a null tag.
    std::unique_ptr<Object> ReadObject(const RuntimeClass* expected);

    template <class T> std::unique_ptr<T> ReadObject()
    {
        std::unique_ptr<Object> obj = ReadObject(RuntimeClassOf<T>());
        return std::unique_ptr<T>(static_cast<T*>(obj.release()));
    }

    // Reads an object reference that may point back to an object read before (not owned);
    // a new object read here is owned by the archive for its lifetime.
    Object* ReadObjectRef(const RuntimeClass* expected);

    // During the Serialize of an object read through its class tag: the schema stored in the
    // data. Otherwise 0: an object serialized directly carries no schema in the archive.
    std::uint16_t GetObjectSchema() const { return objectSchema_; }

private:
    void RequireStoring() const;
    void RequireLoading() const;
    void Need(std::size_t size) const;
    std::uint32_t NextIndex();
    void WriteIndexTag(std::uint32_t index, bool isClass);
    struct Tag {
        const RuntimeClass* cls = nullptr;   // a new object of this class follows
        std::uint16_t schema = 0;            // the class's schema in the data
        std::uint32_t objectIndex = 0;       // else: an earlier object (0 = null)
    };
    Tag ReadNewClass();
    Tag ReadTag();
    std::unique_ptr<Object> CreateAndLoad(const Tag& tag, const RuntimeClass* expected);

    Mode mode_;
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::uint32_t nextIndex_ = 1;
    std::uint16_t objectSchema_ = 0;

    // Storing: what has been given an index. Loading: what each index stands for.
    std::unordered_map<const void*, std::uint32_t> storeIndex_;
    struct Loaded {
        const RuntimeClass* cls = nullptr;   // a class entry
        Object* object = nullptr;            // an object entry
        std::uint16_t schema = 0;            // a class entry: the schema in the data
    };
    std::vector<Loaded> loadTable_;          // index 0 is the null tag
    std::vector<std::unique_ptr<Object>> ownedRefs_;
};

} // namespace fw
