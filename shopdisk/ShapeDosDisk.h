#pragma once
// Shapes of a legacy shop disk ("SHAPE\<name>.REC") converted into shape documents.

#include <string>

class CShapeDosDisk {
public:
    // Saves one shape document per record, in key order, in the shape directory. A shape that
    // cannot be read or saved is reported by name; the others are converted.
    static void ReadDosDisk(const std::string& recordFile);
};
