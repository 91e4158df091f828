#include "model/ToolDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/File.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

const fw::RuntimeClass CToolDoc::classObject{"CToolDoc", fw::NO_SCHEMA, &CSmartDoc::classObject,
                                             []() -> std::unique_ptr<fw::Object> { return std::make_unique<CToolDoc>(); }};
static const fw::RuntimeClassRegistrar toolDocRegistrar(&CToolDoc::classObject);

namespace {

void ApplyUnits(ToolRecord& record)
{
    for (CDimension* size : {&record.sizeA, &record.sizeB}) {
        size->SetUnits(record.measuringSystem);
        size->UpdateFromValue();
    }
}

std::vector<std::uint8_t> ReadToolFile(const std::string& path)
{
    std::vector<std::uint8_t> bytes =
        fw::File(path, fw::File::modeRead | fw::File::shareDenyWrite).ReadToEnd(fw::Document::maxFileSize);
    if (bytes.empty())
        throw fw::FileException(fw::FileException::invalidFile, path);
    return bytes;
}

} // namespace

std::string CToolDoc::GetToolDirectory()
{
    return fw::AppProfile().GetProfileString(kDirectoriesSection, kToolDirectoryEntry, kDefaultToolDirectory);
}

std::string CToolDoc::GetToolFilePath(const std::string& name)
{
    const std::string folder = GetToolDirectory();
    return folder + (folder.empty() ? "" : "\\") + name + kExtension;
}

bool CToolDoc::OnNewDocument()
{
    if (!CSmartDoc::OnNewDocument())
        return false;
    record_.orientation = 0;
    record_.measuringSystem = 0;
    ApplyUnits(record_);
    return true;
}

void CToolDoc::DeleteContents() { record_ = ToolRecord(); }

void CToolDoc::SetToolData(double sizeA, double sizeB, const std::string& type, int orientation, int measuringSystem)
{
    record_.sizeA.SetValue(sizeA);
    record_.sizeB.SetValue(sizeB);
    record_.type = ToUpperAscii(type);
    record_.orientation = orientation;
    record_.measuringSystem = measuringSystem;
    ApplyUnits(record_);
}

void CToolDoc::GetToolData(double& sizeA, double& sizeB, std::string& type, int& orientation,
                           int& measuringSystem) const
{
    sizeA = record_.sizeA.GetValue();
    sizeB = record_.sizeB.GetValue();
    type = record_.type;
    orientation = record_.orientation;
    measuringSystem = record_.measuringSystem;
}

void CToolDoc::GetToolRecord(ToolRecord& record) const
{
    record = record_;
    ApplyUnits(record);
}

std::string CToolDoc::GetShortName() const { return record_.GetShortName(); }

int CToolDoc::LoadTool(const std::string& name)
{
    std::exception_ptr error;
    if (TryLoadTool(name, &error))
        return 1;
    fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
    ReportSaveLoadException(GetToolFilePath(name), error, false);
    return 0;
}

bool CToolDoc::TryLoadTool(const std::string& name, std::exception_ptr* error)
{
    const std::string path = GetToolFilePath(name);
    try {
        if (!fw::WinPath::IsFileName(name))
            throw fw::FileException(fw::FileException::badPath, path);
        fw::Archive ar(ReadToolFile(path));
        Serialize(ar);
    } catch (...) {
        if (error)
            *error = std::current_exception();
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CToolDoc::CopyFormsToDocument() { return CommitPendingEdits(); }

void CToolDoc::OnFileSave()
{
    if (!CopyFormsToDocument())
        return;
    const std::string& path = GetPathName();
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    DoSave(folder + GetShortName() + kExtension, false);
}

bool CToolDoc::OnSaveDocument(const std::string&)
{
    if (!CopyFormsToDocument())
        return false;
    const std::string name = GetShortName();
    if (!fw::WinPath::IsFileName(name)) {
        ReportSaveLoadException(GetToolFilePath(name),
                                std::make_exception_ptr(fw::FileException(fw::FileException::invalidFile, name)), true);
        return false;
    }
    return CSmartDoc::OnSaveDocument(GetToolFilePath(name));
}

std::optional<bool> CToolDoc::IsCommandEnabled(unsigned command) const
{
    switch (command) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_NEW:
        return IsModified();
    case ID_FILE_SAVE_AS:
        return false;
    default:
        return CSmartDoc::IsCommandEnabled(command);
    }
}

void CToolDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        record_.sizeA.Serialize(ar);
        record_.sizeB.Serialize(ar);
        ar << record_.type << std::uint32_t(record_.orientation) << std::uint32_t(record_.measuringSystem);
        return;
    }
    ToolRecord record;
    record.sizeA.Serialize(ar);
    record.sizeB.Serialize(ar);
    ar >> record.type;
    record.orientation = std::int32_t(ar.ReadDWord());
    const std::uint32_t system = ar.ReadDWord();
    if (system > 2)
        throw fw::ArchiveException(fw::ArchiveException::badValue, "unknown measuring system");
    record.measuringSystem = int(system);
    ApplyUnits(record);
    record_ = record;
}
