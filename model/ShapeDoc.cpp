#include "model/ShapeDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/Component.h"
#include "fw/core/File.h"
#include "fw/core/MessageService.h"
#include "fw/core/SaneLength.h"
#include "fw/core/StringTable.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <array>
#include <cmath>
#include <optional>

FW_IMPLEMENT_DYNAMIC(CShapeDoc, CSmartDoc)

namespace {

// Pounds per cubic foot of steel.
constexpr double kSteelWeight = 489.024;
constexpr int kLastKind = shapeTube;
constexpr int kLastMeasuringSystem = 2;

template <class Record> auto Dimensions(Record& r)
{
    return std::array{&r.depth, &r.webThickness, &r.flangeWidth, &r.flangeThickness, &r.flangeGage};
}

void ApplyUnits(ShapeRecord& record)
{
    for (CDimension* d : Dimensions(record)) {
        d->SetUnits(record.measuringSystem);
        d->UpdateFromValue();
    }
}

bool IsPlateType(const std::string& type) { return type == "P " || type == "PL"; }

std::string_view Trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A length text read in a measuring system, in inches.
double ParseLength(std::string_view text, int system)
{
    CDimension length;
    length.SetUnits(system);
    length.SetText(std::string(text));
    return length.GetValue();
}

std::string LoadString(unsigned id) { return fw::StringTables::Get("VARNEX").Get(id); }

// The bytes of a shape file; nothing when there is no such file. A file that cannot be read, or
// that is empty or too large to be a shape, throws the file error.
std::optional<std::vector<std::uint8_t>> ReadShapeFile(const std::string& path, const std::string& name)
{
    if (!CShapeDoc::InvalidNameCharacters(name).empty())
        return std::nullopt;
    fw::File file;
    fw::FileException error;
    if (!file.Open(path, fw::File::modeRead | fw::File::shareDenyWrite, &error)) {
        if (error.cause() == fw::FileException::fileNotFound || error.cause() == fw::FileException::badPath)
            return std::nullopt;
        throw error;
    }
    std::vector<std::uint8_t> bytes = file.ReadToEnd(fw::Document::maxFileSize);
    if (bytes.empty())
        throw fw::FileException(fw::FileException::invalidFile, path);
    return bytes;
}

} // namespace

std::unique_ptr<fw::Unknown> CShapeDoc::CreateAutomationObject() { return std::make_unique<CShapeDoc>(); }

std::string CShapeDoc::GetShapeDirectory()
{
    return fw::AppProfile().GetProfileString(kDirectoriesSection, kShapeDirectoryEntry, kDefaultShapeDirectory);
}

std::string CShapeDoc::ChooserFilter(const std::string& designation)
{
    static const std::string shapes =
        "Beams (W,S,HP,M)|W *.shp;S *.shp;HP*.shp;M *.shp|Angles (L)|L*.shp|Channel  (MC,C)|C *.shp;MC*.shp|"
        "Flat Bar (FB)|FB*.shp|T Shapes (T,WT,MT,ST)|T *.shp;WT*.shp;MT*.shp;ST*.shp|All Shapes (*.shp)|*.shp||";
    if (designation.empty())
        return shapes;
    const std::string pattern = designation + "*" + kExtension;
    return std::string(kChooserTitle) + " (" + pattern + ")|" + pattern + "|" + shapes;
}

std::string CShapeDoc::PadType(std::string_view type)
{
    std::string padded(type.substr(std::min(type.size(), type.find_first_not_of(' '))));
    if (padded.size() < 2)
        padded.resize(2, ' ');
    return padded;
}

std::string CShapeDoc::NoShapeMessage(const std::string& type, const std::string& size)
{
    if (type.empty() || size.empty())
        return kNoShape;
    const std::string name = PadType(type) + size;
    return "Invalid Shape: there is no shape " + name + " (" + GetShapeFilePath(name) + ").";
}

std::string CShapeDoc::GetShapeFilePath(const std::string& name)
{
    return fw::WinPath::Join(GetShapeDirectory(), name + kExtension);
}

std::string CShapeDoc::InvalidNameCharacters(std::string_view name)
{
    return fw::WinPath::BadNameCharacters(name);
}

std::string CShapeDoc::NameFault(std::string_view type, std::string_view desc)
{
    const std::string_view trimmedType = type.substr(std::min(type.size(), type.find_first_not_of(' ')));
    if (trimmedType.empty())
        return "The designation type is blank.";
    if (trimmedType.size() > 2)
        return "The designation type \"" + std::string(type) + "\" is longer than the 2 characters of its field.";
    if (Trim(desc).empty())
        return "The size is blank.";
    if (desc.back() == '.' || desc.back() == ' ')
        return "The size \"" + std::string(desc) + "\" ends in a dot or a blank, which a file name drops.";
    return {};
}

bool CShapeDoc::OnNewDocument()
{
    if (!CSmartDoc::OnNewDocument())
        return false;
    record_.weight = 1.0;
    record_.kind = shapeBeam;
    record_.measuringSystem = 1;
    ApplyUnits(record_);
    return true;
}

LoadProblems CShapeDoc::ResolveReferences()
{
    LoadProblems problems;
    CheckName(GetPathName(), problems);
    return problems;
}

void CShapeDoc::DeleteContents() { record_ = ShapeRecord(); }

void CShapeDoc::SetFields(const std::string& type, const std::string& desc, double depth, double webThickness,
                          double flangeWidth, double flangeThickness, double flangeGage, double weight,
                          const std::string& formal, int kind, int measuringSystem)
{
    record_.desctp = type;
    record_.desc = desc;
    record_.depth.SetValue(depth);
    record_.webThickness.SetValue(webThickness);
    record_.flangeWidth.SetValue(flangeWidth);
    record_.flangeThickness.SetValue(flangeThickness);
    record_.flangeGage.SetValue(flangeGage);
    record_.weight = weight;
    record_.formal = formal;
    record_.kind = kind;
    record_.measuringSystem = measuringSystem;
    ApplyUnits(record_);
}

void CShapeDoc::SetShapeData(const std::string& type, const std::string& desc, double depth, double webThickness,
                             double flangeWidth, double flangeThickness, double flangeGage, double weight,
                             const std::string& formal, int kind, int measuringSystem)
{
    const bool longType = type.size() > 2;
    SetFields(longType ? type : PadType(type), desc, depth, webThickness, flangeWidth, flangeThickness, flangeGage,
              weight, formal, kind, measuringSystem);
    if (longType)
        fw::ShowMessage(LoadString(IDS_SHAPE_NAME_MISMATCH), fw::MB_OK | fw::MB_ICONINFORMATION);
}

void CShapeDoc::SetShapeRecord(const ShapeRecord& r)
{
    SetShapeData(r.desctp, r.desc, r.depth.GetValue(), r.webThickness.GetValue(), r.flangeWidth.GetValue(),
                 r.flangeThickness.GetValue(), r.flangeGage.GetValue(), r.weight, r.formal, r.kind,
                 r.measuringSystem);
}

int CShapeDoc::LoadShape(const std::string& type, const std::string& desc, LoadProblems& problems)
{
    DeleteContents();
    const std::string padded = PadType(type);
    const std::string path = GetShapeFilePath(padded + desc);
    std::optional<std::vector<std::uint8_t>> bytes;
    try {
        bytes = ReadShapeFile(path, padded + desc);
    } catch (...) {
        return FailLoad(path, std::current_exception(), problems);
    }
    if (!bytes) {
        if (!IsPlateType(padded))
            return 0;
        if (!SetPlateFromName(padded, desc))
            return FailLoad(path, std::make_exception_ptr(fw::FileException(fw::FileException::fileNotFound, path)),
                            problems);
        SetModifiedFlag(false);
        return 1;
    }
    try {
        fw::Archive ar(std::move(*bytes));
        Serialize(ar);
    } catch (...) {
        return FailLoad(path, std::current_exception(), problems);
    }
    SetModifiedFlag(false);
    CheckName(path, problems);
    return 1;
}

int CShapeDoc::FailLoad(const std::string& path, std::exception_ptr error, LoadProblems& problems)
{
    DeleteContents();
    problems.push_back(FileLoadProblem(LoadProblem::Kind::shapeUnreadable, path, error, true));
    return 0;
}

int CShapeDoc::SetPlateFromName(const std::string& type, const std::string& desc)
{
    std::string_view size = desc;
    int system = 0;
    if (!size.empty() && (size[0] == 'D' || size[0] == 'd'))
        system = 1;
    else if (!size.empty() && (size[0] == 'M' || size[0] == 'm'))
        system = 2;
    if (system != 0)
        size.remove_prefix(1);
    const std::size_t x = size.find_first_of("Xx");
    if (x == std::string_view::npos)
        return 0;
    const double thickness = ParseLength(Trim(size.substr(0, x)), system);
    const double width = ParseLength(Trim(size.substr(x + 1)), system);
    if (!fw::AreSaneInches({thickness, width}))
        return 0;
    SetFields(type, desc, width, thickness, 0.0, 0.0, 0.0, thickness * width / 144.0 * kSteelWeight, type + desc,
              shapePlate, system);
    return 1;
}

void CShapeDoc::CheckName(const std::string& path, LoadProblems& problems) const
{
    if (!fw::EqualsNoCase1252(fw::WinPath::Title(path), record_.desctp + record_.desc))
        problems.push_back({LoadProblem::Kind::shapeNameMismatch, LoadString(IDS_SHAPE_NAME_MISMATCH), {},
                            fw::MB_OK | fw::MB_ICONINFORMATION, false});
}

bool CShapeDoc::CopyFormsToDocument() { return CommitPendingEdits(); }

bool CShapeDoc::SaveDocument()
{
    const std::string& path = GetPathName();
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    return DoSave(folder + record_.desctp + record_.desc + kExtension, false);
}

bool CShapeDoc::OnSaveDocument(const std::string&)
{
    CopyFormsToDocument();
    if (const std::string fault = NameFault(record_.desctp, record_.desc); !fault.empty()) {
        fw::SetErrorInfo(fault);
        fw::ShowMessage("The shape cannot be saved: " + fault, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    const std::string name = PadType(record_.desctp) + record_.desc;
    if (const std::string invalid = InvalidNameCharacters(name); !invalid.empty()) {
        const std::string text = "The shape " + name + " cannot be saved: its name holds characters that cannot stand "
                                 "in a file name (" + invalid + ").";
        fw::SetErrorInfo(text);
        fw::ShowMessage(text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    return CSmartDoc::OnSaveDocument(GetShapeFilePath(name));
}

void CShapeDoc::OnFileSave()
{
    CopyFormsToDocument();
    if (SaveDocument())
        SetDocumentState(stateStored);
    UpdateAllViews(nullptr);
}

void CShapeDoc::OnFileSaveNew()
{
    if (!CopyFormsToDocument())
        return;
    fw::View* form = nullptr;
    for (fw::View* view : GetViews())
        if (!form && view->HoldsEdits())
            form = view;
    SaveAndStartNew(form, false);
}

void CShapeDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << record_.desctp << record_.desc;
        for (CDimension* d : Dimensions(record_))
            d->Serialize(ar);
        ar << record_.weight << record_.formal << std::uint32_t(record_.kind)
           << std::uint32_t(record_.measuringSystem);
        return;
    }
    ShapeRecord record;
    ar >> record.desctp >> record.desc;
    for (CDimension* d : Dimensions(record))
        d->Serialize(ar);
    ar >> record.weight >> record.formal;
    const std::uint32_t kind = ar.ReadDWord();
    const std::uint32_t system = ar.ReadDWord();
    if (!std::isfinite(record.weight))
        throw fw::ArchiveException(fw::ArchiveException::badValue, "shape weight is not a number");
    if (kind > kLastKind || system > kLastMeasuringSystem)
        throw fw::ArchiveException(fw::ArchiveException::badValue, "unknown shape kind or measuring system");
    record.kind = int(kind);
    record.measuringSystem = int(system);
    record_ = record;
}

std::int16_t CShapeDoc::UpdateShapeMembers(const std::string& strDesctp, const std::string& strDesc, double dimtD,
                                           double dimtTW, double dimtBF, double dimtTF, double dimtSFG,
                                           double dWeight, const std::string& strFormal, std::int16_t nType,
                                           std::int16_t iMeasuringSystem)
{
    if (!fw::AreSaneInches({dimtD, dimtTW, dimtBF, dimtTF, dimtSFG}) || !std::isfinite(dWeight))
        return 1;
    if (nType < 0 || nType > kLastKind || iMeasuringSystem < 0 || iMeasuringSystem > kLastMeasuringSystem)
        return 1;
    std::string fault = NameFault(strDesctp, strDesc);
    const std::string name = PadType(strDesctp) + strDesc;
    if (const std::string bad = InvalidNameCharacters(name); fault.empty() && !bad.empty())
        fault = "The designation type and size \"" + name + "\" hold characters that cannot stand in a file name (" +
                bad + ").";
    if (!fault.empty()) {
        fw::SetErrorInfo(fault);
        return 1;
    }
    SetFields(PadType(strDesctp), strDesc, dimtD, dimtTW, dimtBF, dimtTF, dimtSFG, dWeight, strFormal, nType,
              iMeasuringSystem);
    UpdateAllViews(nullptr);
    return 0;
}

std::int16_t CShapeDoc::SaveShape()
{
    SetSaveAllowed(true);
    return SaveDocument() ? 0 : 1;
}

std::int32_t CShapeDoc::GetData(const std::string& szDesctp, const std::string& szDesc, double& dDepth,
                                double& dWebThickness, double& dBreathOfFlange, double& dFlangeThickness,
                                double& dStandardFlangeGage, double& dWeightPerFoot, std::string& szFormal)
{
    LoadProblems problems;   // an automation call answers with its status alone
    if (!LoadShape(szDesctp, szDesc, problems))
        return 1;
    dDepth = record_.depth.GetValue();
    dWebThickness = record_.webThickness.GetValue();
    dBreathOfFlange = record_.flangeWidth.GetValue();
    dFlangeThickness = record_.flangeThickness.GetValue();
    dStandardFlangeGage = record_.flangeGage.GetValue();
    dWeightPerFoot = record_.weight;
    szFormal = record_.formal;
    return 0;
}
