#pragma once
// The document of one shape file (".shp") of the shape catalog: designation type and size, the
// section's dimensions, weight per foot, formal description, kind and measuring system. Parts
// and mults keep only a shape's type and size and load the rest with LoadShape when they need
// it; a plate without a file is made up from its size text.
//
// A shape's file is named type (two characters) + size + ".shp" in the shape directory, e.g.
// "W 12X26.shp". Names compare without case, as on the original file systems; a name holding a
// character that cannot stand in a file name (\ / : * ? " < > | or a control character) has no
// file: such shapes are never found (plates are still made up) and are refused on saving.
//
// File: type and size (strings), D, TW, BF, TF and SFG (length forms), the weight (double), the
// formal description (string), the kind and the measuring system (DWORDs).

#include "model/IShapeDoc.h"
#include "model/SmartDoc.h"
#include "records/ShapeRecord.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>

class CShapeDoc : public CSmartDoc, public IShapeDoc {
    FW_DECLARE_DYNAMIC(CShapeDoc)
public:
    static constexpr const char* kExtension = ".shp";
    static constexpr const char* kDirectoriesSection = "Directories";
    static constexpr const char* kShapeDirectoryEntry = "Shape Directory";
    static constexpr const char* kDefaultShapeDirectory = "C:\\Kestrom\\Shapes";
    // "WARNING:  The Shape information in this file is inconsistent with the file name!"
    static constexpr unsigned IDS_SHAPE_NAME_MISMATCH = 133;

    // A new windowless shape document as an automation object: the factory of the class
    // registry's entry for IShapeDoc::kClassId and IShapeDoc::kProgId.
    static std::unique_ptr<fw::Unknown> CreateAutomationObject();

    // The shape directory of the profile.
    static std::string GetShapeDirectory();
    // Choose Shape's file dialog: its title and its filter ("Name|pattern;pattern|...||"), the
    // files of the designation type first when one is given.
    static constexpr const char* kChooserTitle = "Shape Directory";
    static std::string ChooserFilter(const std::string& designation);
    // Left-trimmed and padded with blanks to two characters ("L" -> "L ", " W" -> "W ").
    static std::string PadType(std::string_view type);
    // The shape directory + "\" + name + ".shp".
    static std::string GetShapeFilePath(const std::string& name);
    static constexpr const char* kNoShape = "Valid shape must be entered to perform this operation.";
    // "Invalid Shape: there is no shape <type><size> (<file>)." for a designation not in the
    // catalog; kNoShape without a type or size.
    static std::string NoShapeMessage(const std::string& type, const std::string& size);
    // The characters of a shape name that cannot stand in a file name; empty when it can.
    static std::string InvalidNameCharacters(std::string_view name);
    // Why type and size name no shape file of their own, naming the field; empty when they do. The
    // type keeps the two characters of its record field (a longer one would share its file name
    // with another shape: "W 1" + "2X26" and "W" + "12X26"); neither may be blank, and the size
    // may not end in a dot or a blank, which a file name drops. (Characters that cannot stand in
    // a file name are InvalidNameCharacters.)
    static std::string NameFault(std::string_view type, std::string_view desc);

    // A new shape: weight per foot 1.0, a beam, decimal inch.
    bool OnNewDocument() override;
    // After a file is read: message 133 as a problem when its data do not match its name.
    LoadProblems ResolveReferences() override;
    void DeleteContents() override;

    // Sets every field, lengths in inches; the measuring system becomes the unit of the five
    // dimensions. A type of up to two characters is left-trimmed and padded; a longer one is kept
    // and message 133 shown.
    void SetShapeData(const std::string& type, const std::string& desc, double depth, double webThickness,
                      double flangeWidth, double flangeThickness, double flangeGage, double weight,
                      const std::string& formal, int kind, int measuringSystem);
    void SetShapeRecord(const ShapeRecord& record);
    const ShapeRecord& GetShapeData() const { return record_; }

    // Fills the document from the catalog: 1 when the shape's file was loaded or, for the types
    // "P " and "PL", the plate was made up from its size; 0 otherwise. Nothing is shown: a missing
    // file of another type gives 0 and no problem (the caller words it); a file that is empty,
    // corrupt or cannot be read, and a plate size that cannot be read, add the load error (after
    // a beep); a file whose data name another shape adds message 133. On 0 the document is left
    // empty.
    int LoadShape(const std::string& type, const std::string& desc, LoadProblems& problems);
    // A plate from its size text: an optional unit letter ('D'/'d' decimal inch, 'M'/'m' metric,
    // else imperial), the thickness, 'X', the width. Weight per foot = thickness x width / 144 x
    // 489.024 (steel, 489.024 pounds per cubic foot). 0, with nothing changed, when there is no 'X'.
    int SetPlateFromName(const std::string& type, const std::string& desc);

    // Saves under the shape's own name (through OnSaveDocument); the document's path follows.
    bool SaveDocument() override;
    // The forms go into the document, which is saved as the shape directory + type + size +
    // ".shp", whatever path is given; refused, with a message (also kept as the error info), when
    // type and size name no file of their own or that name cannot be a file name.
    bool OnSaveDocument(const std::string& path) override;
    // File Save: the forms go into the document and it is saved; once saved it stands for its file.
    void OnFileSave();
    // File Save/New: saves, then keeps the data as the start of a new shape whose key fields are
    // editable and which can't be saved until one of them changes. Nothing happens when a form
    // is not valid or the save fails.
    void OnFileSaveNew();

    void Serialize(fw::Archive& ar) override;

    // IShapeDoc. UpdateShapeMembers and SaveShape give 1, with the cause as the error info, for a
    // name that NameFault or InvalidNameCharacters refuses.
    std::int16_t UpdateShapeMembers(const std::string& strDesctp, const std::string& strDesc, double dimtD,
                                    double dimtTW, double dimtBF, double dimtTF, double dimtSFG, double dWeight,
                                    const std::string& strFormal, std::int16_t nType,
                                    std::int16_t iMeasuringSystem) override;
    std::int16_t SaveShape() override;
    std::int32_t GetData(const std::string& szDesctp, const std::string& szDesc, double& dDepth,
                         double& dWebThickness, double& dBreathOfFlange, double& dFlangeThickness,
                         double& dStandardFlangeGage, double& dWeightPerFoot, std::string& szFormal) override;

private:
    // Every shape form copies itself into the document; false when one is not valid.
    bool CopyFormsToDocument();
    void SetFields(const std::string& type, const std::string& desc, double depth, double webThickness,
                   double flangeWidth, double flangeThickness, double flangeGage, double weight,
                   const std::string& formal, int kind, int measuringSystem);
    // Message 133 when the file's name is not the loaded type + size (compared without case).
    void CheckName(const std::string& path, LoadProblems& problems) const;
    int FailLoad(const std::string& path, std::exception_ptr error, LoadProblems& problems);

    ShapeRecord record_;
};
