#pragma once
// Mults on a legacy shop disk: mult records under "MULT" with their tool lists under
// "MULT\TOOLLIST" and part lists under "MULT\PARTLIST", and the parts they place written as a part
// disk of the same target name, which each mult record names.

#include <string>
#include <vector>

class LegacyConversion;

class CMultDosDisk {
public:
    // Writes the mult files of the list (paths or wildcard patterns), then every part they place
    // once. A mult that cannot be read, names no machine or does not fit its records is reported
    // by name and left out. Trailing blanks of the target are cut first.
    static void CreateDosDisk(char drive, const std::string& target, const std::vector<std::string>& files);

    // Converts the records of a mult record file in key order into mult documents saved in the
    // job folders under their own names ("<mark> <sequence>.mlt"), as one run of its own
    // (LegacyConversion: one replace question for parts and mults, one end list).
    static void ReadDosDisk(const std::string& recordFile);
    // Converts the records into the run, first (once per run) each part record file set a mult
    // names from "PART" beside the "MULT" folder. A record or part list that can't be read or
    // breaks a document's rules is named and left out; a file that can't be read is named and
    // ends this file's conversion. Nothing is thrown.
    static void ConvertRecords(const std::string& recordFile, LegacyConversion& run);
};
