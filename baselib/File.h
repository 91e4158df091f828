#pragma once
// An operating-system file handle with open, read, write, seek, lock and status operations.
// Open, read, write and seek report failure through their results; position, flush, close,
// lock, length and status changes throw CzrFileException (source "ZRFile"). Sharing modes are
// advisory whole-file locks (exclusive for no sharing and deny read, shared for deny write and
// deny none): they keep out other opens through this class, not other programs.

#include "baselib/BRAXLibExport.h"
#include "baselib/String.h"
#include "baselib/Time.h"

#include <cstdint>
#include <memory>

namespace zr {

struct BRAXLIB_EXPORT CFileStatus {
    enum Attribute : std::uint8_t {
        readOnly = 0x01,
        directory = 0x10,
    };

    CTime ctime;   // creation (the modification time where the system keeps none)
    CTime mtime;   // modification
    CTime atime;   // last access
    std::int64_t size = 0;
    std::uint8_t attribute = 0;
    CString fullName;
};

class BRAXLIB_EXPORT CFile {
public:
    enum OpenFlags : std::uint32_t {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,       // no sharing
        shareExclusive = 0x0010,    // no sharing
        shareDenyWrite = 0x0020,    // others may read
        shareDenyRead = 0x0030,     // others may write
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,     // the handle is closed in child processes
        modeCreate = 0x1000,        // create; an existing file is truncated ...
        modeNoTruncate = 0x2000,    // ... unless this is given too
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };
    static constexpr int hFileNull = -1;

    CFile() = default;
    explicit CFile(int handle);   // the handle is not closed on destroy
    CFile(const char* path, std::uint32_t flags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual std::int64_t GetPosition() const;
    virtual CString GetFileName() const;    // name and extension
    virtual CString GetFileTitle() const;   // the display title: name and extension
    virtual CString GetFilePath() const;    // the full path formed by Open
    virtual void SetFilePath(const char* path);   // closes an open handle first
    // False when a handle is already open, the flags are invalid (access 3, unknown sharing),
    // the path is empty, or the file cannot be opened or locked as the flags say.
    virtual bool Open(const char* path, std::uint32_t flags);
    virtual std::unique_ptr<CFile> Duplicate() const;
    // The new position, or -1.
    virtual std::int64_t Seek(std::int64_t offset, int from);
    virtual void SetLength(std::int64_t length);
    virtual std::int64_t GetLength() const;
    // Bytes read: fewer than `count` at the end of the file or on an error.
    virtual std::uint32_t Read(void* buffer, std::uint32_t count);
    // True when every byte was written.
    virtual bool Write(const void* buffer, std::uint32_t count);
    virtual void LockRange(std::int64_t position, std::int64_t count);
    virtual void UnlockRange(std::int64_t position, std::int64_t count);
    virtual void Abort();   // closes without reporting errors
    virtual void Flush();
    virtual void Close();
    virtual ~CFile();

    void SeekToBegin() { Seek(0, begin); }
    std::int64_t SeekToEnd() { return Seek(0, end); }

    // Without a handle only the name; false when the times or size cannot be read.
    bool GetStatus(CFileStatus& status) const;
    static bool GetStatus(const char* path, CFileStatus& status);
    // Applies the read-only attribute and the nonzero times (creation cannot be set here).
    static void SetStatus(const char* path, const CFileStatus& status);
    static void Rename(const char* oldName, const char* newName);
    static void Remove(const char* path);

    int GetHandle() const { return handle_; }

private:
    void Lock(short type, std::int64_t position, std::int64_t count);

    int handle_ = hFileNull;
    bool closeOnDelete_ = false;
    CString path_{""};
};

}  // namespace zr
