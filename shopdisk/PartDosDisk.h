#pragma once
// Parts on a legacy shop disk: part records under "PART" with their hole, layout and stencil
// chains under "PART\HOLE", "PART\LAYOUT" and "PART\STENCIL", all named after the target
// ("E:\PART\HOLE\DEFAULT.REC"). CreateDosDisk writes part files there; ReadDosDisk turns every
// record of a part record file back into a saved part document.

#include <string>
#include <vector>

class LegacyConversion;

class CPartDosDisk {
public:
    static constexpr const char* kInvalidDrive = "ERROR:  Invalid drive.";
    static constexpr const char* kInvalidFile = "Invalid File";
    // The longest target name: the width of the name a mult record keeps of its part files.
    static constexpr std::size_t kMaxTargetName = 15;

    // Writes the part files of the list (paths or wildcard patterns) to the drive, in list order,
    // the matches of a pattern in name order. A part that cannot be read or stored is reported by
    // name and left out; the others are written. An unmapped drive, an empty or too long target
    // name or record files that cannot be opened write nothing.
    static void CreateDosDisk(char drive, const std::string& target, const std::vector<std::string>& files);

    // Converts the records of a part record file in key order into part documents saved in the
    // job folders, as one run of its own (LegacyConversion: one replace question, one end list).
    static void ReadDosDisk(const std::string& recordFile);
    // Converts the records into the run: lengths in the part's measuring system, tools taken
    // from the catalogue where it has them. A part whose shape is missing asks whether to go on
    // (Cancel ends the gathering; what was gathered is still saved). A record that can't be read
    // or breaks a document's rules is named and left out; a file or chain that can't be read is
    // named and ends this file's conversion. Nothing is thrown.
    static void ConvertRecords(const std::string& recordFile, LegacyConversion& run);

    // The files a list entry stands for: the matches of a pattern in name order, a path as it is.
    static std::vector<std::string> FilesOf(const std::string& entry);
    // The record file of a folder of the disk: "E:" + "\PART\HOLE\" + target + ".REC".
    static std::string RecordFilePath(char drive, const std::string& folder, const std::string& target);
    // Whether the drive is mapped and the target name fits; shows why not.
    static bool CheckTarget(char drive, const std::string& target);
};
