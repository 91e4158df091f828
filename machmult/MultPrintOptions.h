#pragma once
// What the standard mult printout prints. The application owns one record; the printout dialog
// fills it and the mult print manager reads it.

struct MultPrintOptions {
    int coverPage = 0;                // a directory of the mults
    int multInformation = 0;          // the specific information of each mult
    int attachedParts = 0;            // the parts attached to each mult, only with its information
    int attachedPartsPrintable = 0;   // set by the caller: whether the attached parts can be offered
    int cancelled = 0;
};
