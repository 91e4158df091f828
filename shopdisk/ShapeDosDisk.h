#pragma once
// Shapes of a legacy shop disk ("SHAPE\<name>.REC") converted into shape documents.

#include <string>

class LegacyConversion;

class CShapeDosDisk {
public:
    // Saves one shape document per record, in key order, in the shape directory, as one run of
    // its own (LegacyConversion: one replace question, one end list).
    static void ReadDosDisk(const std::string& recordFile);
    // Converts the records into the run. A record that can't be read or breaks the shape's rules
    // is named and left out; a file that can't be read is named. Nothing is thrown.
    static void ConvertRecords(const std::string& recordFile, LegacyConversion& run);
};
