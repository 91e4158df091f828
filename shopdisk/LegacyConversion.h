#pragma once
// One run of Convert Legacy Files: the documents converted from the records of a shop disk are
// gathered first and saved together at the end. Before an existing file is replaced the user is
// asked once, as copies ask (Yes replaces them, No keeps them and saves the others, Cancel saves
// nothing); parts, mults and shapes follow that one policy. The end list is always shown: the
// files written, replaced and kept, every record or file not converted with its cause, and the
// tools the tool catalogue does not hold.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CMultDoc;
class CPartDoc;
class CPartTool;
class CShapeDoc;
class CSmartDoc;
namespace fw {
class FileException;
}

class LegacyConversion {
public:
    static constexpr const char* kCaption = "Convert Legacy Files";

    LegacyConversion();
    ~LegacyConversion();
    LegacyConversion(const LegacyConversion&) = delete;
    LegacyConversion& operator=(const LegacyConversion&) = delete;

    // A record or file that is not converted, with its cause.
    void Refuse(std::string problem);
    // Stops gathering: the user cancelled at a question of the run.
    void Cancel() { cancelled_ = true; }
    bool IsCancelled() const { return cancelled_; }

    // A converted document, saved at the end under the path its key fields build, in the order
    // added. One that would not load again once saved (a value the document's own reader
    // refuses) is refused, named `what` with the reader's cause. A mult is completed (its parts
    // taken from their part files) just before its save, once the parts added before it are saved.
    void AddPart(std::unique_ptr<CPartDoc> part, const std::string& what);
    void AddMult(std::unique_ptr<CMultDoc> mult, std::function<void(CMultDoc&)> complete, const std::string& what);
    void AddShape(std::unique_ptr<CShapeDoc> shape, const std::string& what);

    // The tool of the catalogue (the tool directory) with the recorded tool's type code and
    // orientation whose sizes are the recorded sizes, or else are them once rounded as a record
    // rounds a size (to a 64th, or metric); nullptr, with the tool listed as not found for
    // `user`, when the catalogue has none.
    const CPartTool* CatalogueTool(const CPartTool& recorded, const std::string& user);

    // Asks about the files that exist, saves, and shows the end list. Done once; the destructor
    // does it when no one did.
    void Finish();

private:
    struct Converted;
    struct MissingTool;

    void Add(std::unique_ptr<CSmartDoc> doc, std::string target, std::string what);
    void LoadCatalogue();
    void SaveAll();
    // Moves the files a commit could not place from the written ones to those not converted.
    void Unplaced(const std::vector<fw::FileException>& failures);
    std::string EndList() const;

    std::vector<Converted> converted_;
    std::map<std::string, std::size_t> targets_;   // upper case -> index in converted_
    std::vector<std::unique_ptr<CPartTool>> catalogue_;
    bool catalogueLoaded_ = false;
    std::vector<MissingTool> missingTools_;
    std::map<std::string, std::size_t> missingToolIndex_;   // short name -> index in missingTools_
    std::vector<std::string> written_, replaced_, kept_, problems_;
    bool cancelled_ = false;
    bool finished_ = false;
};
