#pragma once
// What the standard part printout prints. The application owns one record; the printout dialog
// fills it and the part print manager reads it.

struct PartPrintOptions {
    int coverPage = 0;                // a directory of the parts
    int partInformation = 0;          // the header of each part
    int refPlanesAndPatterns = 0;
    int holes = 0;
    int operationDetailsImperial = 0;
    int operationDetailsMetric = 0;
    int input = 0;
    int detailsAvailable = 0;         // set by the caller: whether C and D can be offered
    int cancelled = 0;
};
